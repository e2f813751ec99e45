// Vardeln — MIT licence, see LICENSE.
// The converter compiled to WebAssembly, seen from the page: the categories with their
// captions and unit labels in list order, the user's commands, and the state to draw. Every rule of what the
// result, the note and the clipboard's text become is the converter's; this only carries
// texts across.
import createEngine from './engine.js';

const encoder = new TextEncoder();
const decoder = new TextDecoder();

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

// wasmBytes: the converter's WebAssembly module.
export async function loadConverter(wasmBytes) {
  let fail;
  const failed = new Promise((resolve, reject) => { fail = reject; });
  const engine = await Promise.race([failed, createEngine({
    instantiateWasm(imports, receiveInstance) {
      instantiate(wasmBytes, imports, receiveInstance, fail);
      return {};  // the exports arrive through receiveInstance
    },
  })]);
  // A text of the converter's, whole: a pasted number may hold a NUL. A result is a few ASCII
  // characters, read on every keystroke: those are read without a decoder's overhead.
  function textAt(pointer, length) {
    const heap = engine.HEAPU8;
    const end = pointer + length;
    if (length > 32) return decoder.decode(heap.subarray(pointer, end));
    let ascii = '';
    for (let at = pointer; at < end; ++at) {
      const byte = heap[at];
      if (byte > 0x7f) return decoder.decode(heap.subarray(pointer, end));
      ascii += String.fromCharCode(byte);
    }
    return ascii;
  }
  const text = (pointer) => textAt(pointer, engine._vardeln_text_length());

  // A text goes to the converter as UTF-8 in one block that grows when a longer text arrives,
  // written byte by byte while it is ASCII, as a typed number is.
  let block = { at: 0, room: 0 };
  function withText(command, value) {
    const room = 3 * value.length + 1;
    if (room > block.room) {
      engine._free(block.at);
      block = { at: engine._malloc(room), room };
    }
    const heap = engine.HEAPU8;
    for (let i = 0; i < value.length; ++i) {
      const code = value.charCodeAt(i);
      if (code > 0x7f) {
        const { written } = encoder.encodeInto(value, heap.subarray(block.at, block.at + room));
        return command(block.at, written);
      }
      heap[block.at + i] = code;
    }
    return command(block.at, value.length);
  }

  // The converter's calls, each made from how it takes and gives its values and named as
  // JavaScript names things (vardeln_choose_category as chooseCategory); what a command
  // changed, as the converter's bits name it; the kinds of its note; and where the state's
  // record holds each part.
  const { call: shapes, change, noteKind, state: word, copyForm, ...styleChoices } =
    JSON.parse(text(engine._vardeln_interface_constants()));
  const call = {};
  for (const [name, shape] of Object.entries(shapes)) {
    const exported = engine[`_vardeln_${name}`];
    call[name.replace(/_(.)/g, (_, letter) => letter.toUpperCase())] = {
      number: exported,
      text: (...numbers) => text(exported(...numbers)),
      givenText: (value) => withText(exported, value),
      textForText: (value) => text(withText(exported, value)),
    }[shape];
  }
  const everything = Object.values(change).reduce((all, bit) => all | bit);

  // The state as the last command left it, each part read from its record when asked for.
  const stateAt = call.state() / 4;
  for (const part in word) word[part] += stateAt;
  const stateWord = (at) => engine.HEAPU32[at];
  const stateText = (at, lengthAt) => textAt(engine.HEAPU32[at], engine.HEAPU32[lengthAt]);
  let given = '';  // the text last given for the number

  // The text after the last line's newline is dropped.
  const lines = (all) => all.split('\n').slice(0, -1);
  const categories = [];
  for (let c = 0; c < call.categoryCount(); ++c) {
    categories.push({
      id: call.categoryId(c),
      caption: call.categoryCaption(c),
      units: lines(call.unitLabels(c)),
      compoundUnits: lines(call.compoundLabels(c)),
    });
  }

  return {
    Change: change,
    everything,
    categories,
    chooseCategory: call.chooseCategory,
    chooseFrom: call.chooseFrom,
    chooseTo: call.chooseTo,
    chooseFromIn: call.chooseFromIn,
    chooseToIn: call.chooseToIn,
    swapUnits: call.swapUnits,
    // Today's definitions (true) or the legacy tables (false), and which units of the
    // category's lists convert by today's.
    setByToday: (today) => call.setByToday(today ? 1 : 0),
    byToday: () => stateWord(word.byToday) === 1,
    convertsByToday: () => [...call.convertsByToday()].map((flag) => flag === '1'),
    // The units a typed name may stand for, best first, as [category, unit] positions.
    findUnits: (name) => lines(call.findUnits(name)).map((line) => line.split('\t').map(Number)),
    setNumber: (value) => call.setNumber(given = value),
    paste: (value) => call.paste(given = value),
    cut: () => ({ changed: call.cut(), clipboard: call.cutText() }),
    // 'sentence', 'result' or 'resultWithUnit'.
    copy: (form = 'sentence') => call.copy(copyForm[form]),
    // A style as the page's setting holds it: decimalMark '.' or ',', and each other part by
    // its name ({ grouping: 'indian', groupMark: 'comma', precision: 'decimals', digits: 2,
    // notation: 'general' }); one the converter refuses changes nothing.
    setNumberStyle: (style) => {
      const { grouping, groupMark, precision, notation } = styleChoices;
      return call.setNumberStyle(style.decimalMark.charCodeAt(0), grouping[style.grouping],
        groupMark[style.groupMark], precision[style.precision], style.digits,
        notation[style.notation]);
    },
    // The group mark, by its name, that a grouping takes beside a decimal mark ('.' or ',').
    groupMarkBeside: (decimalMark, groupMark) => {
      const marks = styleChoices.groupMark;
      const beside = call.groupMarkBeside(decimalMark.charCodeAt(0), marks[groupMark]);
      return Object.keys(marks).find((name) => marks[name] === beside);
    },
    reset: call.reset,
    followLink: call.followLink,
    link: call.link,
    category: () => stateWord(word.category),
    from: () => stateWord(word.from),
    to: () => stateWord(word.to),
    // A typed number is mostly kept as typed: then it is the text the page gave.
    number: () => (stateWord(word.numberIsGiven) ? given : stateText(word.number, word.numberLength)),
    result: () => stateText(word.result, word.resultLength),
    staleBecause: () => stateText(word.staleFault, word.staleFaultLength),
    // Whether the result is a number to copy: no fault's name, "Invalid Number" or nothing.
    resultToCopy: () => stateWord(word.resultToCopy) === 1,
    note: () => stateText(word.note, word.noteLength),
    how: () => [0, 1, 2, 3].map((line) => call.how(line)),
    noteIsFault: () => stateWord(word.noteKind) === noteKind.fault,
    noteRefusesToday: () => stateWord(word.noteKind) === noteKind.noneToday,
    noteIsUnknownLink: () => stateWord(word.noteKind) === noteKind.unknownLink,
  };
}
