// Vardeln — MIT licence, see LICENSE.
// The engine compiled to WebAssembly, seen from the page: its version, the categories with
// their unit labels in list order, and one recalculation.
import createEngine from './engine.mjs';

const encoder = new TextEncoder();

export async function loadEngine() {
  const engine = await createEngine();
  const text = (pointer) => engine.UTF8ToString(pointer);

  const categories = [];
  for (let c = 0; c < engine._vardeln_category_count(); ++c) {
    const units = [];
    for (let u = 0; u < engine._vardeln_unit_count(c); ++u) {
      units.push(text(engine._vardeln_unit_label(c, u)));
    }
    categories.push({ name: text(engine._vardeln_category_name(c)), units });
  }

  // The three texts go to the engine as UTF-8 with their lengths, in one block of its memory.
  function recalculate(category, input, sourceUnit, targetUnit) {
    const texts = [input, sourceUnit, targetUnit];
    const room = texts.reduce((sum, t) => sum + 3 * t.length, 0) + 1;
    const block = engine._malloc(room);
    try {
      const spans = [];
      let at = block;
      for (const t of texts) {
        const { written } = encoder.encodeInto(t, engine.HEAPU8.subarray(at, block + room));
        spans.push(at, written);
        at += written;
      }
      const kind = engine._vardeln_recalculate(category, ...spans);
      const outcome = text(engine._vardeln_outcome_text());
      return { kind: ['write', 'keep', 'fault'][kind], text: outcome };
    } finally {
      engine._free(block);
    }
  }

  return { version: text(engine._vardeln_version()), categories, recalculate };
}
