// Vardeln — MIT licence, see LICENSE.
// The engine compiled to WebAssembly, seen from the page: the categories with their unit labels
// in list order, and one recalculation.
import createEngine from './engine.js';

const encoder = new TextEncoder();
const outcomeKinds = ['write', 'keep', 'fault'];  // as vardeln_recalculate numbers them

// The engine is compiled and started at once where the browser allows it, so the first
// conversion waits for no task of its own. Browsers that refuse to compile more than a few
// kilobytes on the page's thread (a RangeError) get it when it is compiled.
function instantiate(wasmBytes, imports, receiveInstance, fail) {
  try {
    receiveInstance(new WebAssembly.Instance(new WebAssembly.Module(wasmBytes), imports));
  } catch (error) {
    if (!(error instanceof RangeError)) {
      fail(error);
      return;
    }
    WebAssembly.instantiate(wasmBytes, imports)
      .then(({ instance }) => receiveInstance(instance), fail);
  }
}

// wasmBytes: the engine's WebAssembly module.
export async function loadEngine(wasmBytes) {
  let fail;
  const failed = new Promise((resolve, reject) => { fail = reject; });
  const engine = await Promise.race([failed, createEngine({
    instantiateWasm(imports, receiveInstance) {
      instantiate(wasmBytes, imports, receiveInstance, fail);
      return {};  // the exports arrive through receiveInstance
    },
  })]);
  const text = (pointer) => engine.UTF8ToString(pointer);

  // A text copied into the engine's memory as UTF-8: where it starts and its length in bytes.
  function store(label) {
    const bytes = encoder.encode(label);
    const at = engine._malloc(bytes.length + 1);
    engine.HEAPU8.set(bytes, at);
    return { at, length: bytes.length };
  }

  const categories = [];
  for (let c = 0; c < engine._vardeln_category_count(); ++c) {
    const units = text(engine._vardeln_unit_labels(c)).split('\n');
    units.pop();  // the text after the last label's newline
    categories.push({ name: text(engine._vardeln_category_name(c)), units });
  }

  // Per category, label -> its copy in the engine's memory, made when the category is first
  // converted in.
  const storedLabels = [];
  function storedLabelsOf(category) {
    storedLabels[category] ??= new Map(categories[category]?.units.map((l) => [l, store(l)]));
    return storedLabels[category];
  }

  // The number goes to the engine on every keystroke: into one block that grows when a longer
  // text arrives, written byte by byte while it is ASCII.
  let input = { at: 0, room: 0 };
  function storeInput(number) {
    const room = 3 * number.length + 1;
    if (room > input.room) {
      engine._free(input.at);
      input = { at: engine._malloc(room), room };
    }
    const heap = engine.HEAPU8;
    for (let i = 0; i < number.length; ++i) {
      const code = number.charCodeAt(i);
      if (code > 0x7f) {
        return encoder.encodeInto(number, heap.subarray(input.at, input.at + input.room)).written;
      }
      heap[input.at + i] = code;
    }
    return number.length;
  }

  function recalculate(category, number, sourceUnit, targetUnit) {
    const length = storeInput(number);
    // A label of no unit (an empty list) is copied for this call only.
    const known = storedLabelsOf(category);
    const source = known.get(sourceUnit) ?? { ...store(sourceUnit), once: true };
    const target = known.get(targetUnit) ?? { ...store(targetUnit), once: true };
    const kind = engine._vardeln_recalculate(category, input.at, length, source.at, source.length,
                                             target.at, target.length);
    for (const label of [source, target]) {
      if (label.once) engine._free(label.at);
    }
    return { kind: outcomeKinds[kind], text: text(engine._vardeln_outcome_text()) };
  }

  return { categories, recalculate };
}
