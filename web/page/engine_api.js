// Vardeln — MIT licence, see LICENSE.
// The engine compiled to WebAssembly, seen from the page: its version, the categories with
// their unit labels in list order, and one recalculation.
import createEngine from './engine.js';

const encoder = new TextEncoder();
const outcomeKinds = ['write', 'keep', 'fault'];  // as vardeln_recalculate numbers them

export async function loadEngine() {
  const engine = await createEngine();
  const text = (pointer) => engine.UTF8ToString(pointer);

  // A text copied into the engine's memory as UTF-8: where it starts and its length in bytes.
  function store(label) {
    const bytes = encoder.encode(label);
    const at = engine._malloc(bytes.length + 1);
    engine.HEAPU8.set(bytes, at);
    return { at, length: bytes.length };
  }

  const categories = [];
  const storedLabels = [];  // per category: label -> its copy in the engine's memory
  for (let c = 0; c < engine._vardeln_category_count(); ++c) {
    const units = [];
    for (let u = 0; u < engine._vardeln_unit_count(c); ++u) {
      units.push(text(engine._vardeln_unit_label(c, u)));
    }
    categories.push({ name: text(engine._vardeln_category_name(c)), units });
    storedLabels.push(new Map(units.map((label) => [label, store(label)])));
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
    const known = storedLabels[category];
    const source = known?.get(sourceUnit) ?? { ...store(sourceUnit), once: true };
    const target = known?.get(targetUnit) ?? { ...store(targetUnit), once: true };
    const kind = engine._vardeln_recalculate(category, input.at, length, source.at, source.length,
                                             target.at, target.length);
    for (const label of [source, target]) {
      if (label.once) engine._free(label.at);
    }
    return { kind: outcomeKinds[kind], text: text(engine._vardeln_outcome_text()) };
  }

  return { version: text(engine._vardeln_version()), categories, recalculate };
}
