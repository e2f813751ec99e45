// Vardeln — MIT licence, see LICENSE.
// The converter page: the same recalculation as the window on every keystroke and every
// change of unit, the Edit commands on the system clipboard, the About text, and the
// conversion kept in the address.
import { loadEngine } from './engine_api.js';
import { addressOf, stateOf } from './state_address.js';
import { watchForUpdates } from './update_notice.js';
import { clipboardKeysHint } from './shortcut_keys.js';
// The build puts the engine inside this script as base64 text: the whole page is one request.
import engineBase64 from './engine.wasm';

const decodeBase64 = (text) =>
  Uint8Array.fromBase64?.(text) ?? Uint8Array.from(atob(text), (c) => c.charCodeAt(0));
const engine = await loadEngine(decodeBase64(engineBase64));
const element = (id) => document.getElementById(id);
const categoryList = element('category');
const inputText = element('inputText');
const inputUnit = element('inputUnit');
const outputText = element('outputText');
const outputUnit = element('outputUnit');
const faultNote = element('faultNote');
const commandNote = element('commandNote');

let current = 0;  // index of the chosen category
let converted = false;

const captionOf = (name) => name.charAt(0).toUpperCase() + name.slice(1);

function fillList(list, labels) {
  list.replaceChildren(...labels.map((label) => new Option(label, label)));
}

// Resting the pointer on the number, the result or a list names its unit, as in the window.
function nameUnits() {
  inputUnit.title = inputText.title = inputUnit.value;
  outputUnit.title = outputText.title = outputUnit.value;
}

function runConversion() {
  const outcome = engine.recalculate(current, inputText.value, inputUnit.value, outputUnit.value);
  if (outcome.kind === 'write') {
    outputText.value = outcome.text;
    faultNote.hidden = true;
  } else if (outcome.kind === 'fault') {
    // The result keeps what it showed; the note says why it did not change.
    faultNote.textContent = outcome.text;
    faultNote.hidden = false;
  }
  keepInAddress();
  if (!converted) {
    converted = true;
    performance.mark('vardeln-first-conversion');  // read by the benchmark
  }
}

// Choosing a category refills both lists and starts both on the category's first unit.
function selectCategory(index) {
  current = index;
  categoryList.value = engine.categories[index].name;
  fillList(inputUnit, engine.categories[index].units);
  fillList(outputUnit, engine.categories[index].units);
  inputUnit.selectedIndex = 0;
  outputUnit.selectedIndex = 0;
  nameUnits();
  runConversion();
}

// A conversion from an address; false when the address names no category and units of ours.
function restore(state) {
  const index = engine.categories.findIndex((c) => c.name === state?.category);
  if (index < 0) return false;
  const units = engine.categories[index].units;
  if (!units.includes(state.sourceUnit) || !units.includes(state.targetUnit)) return false;
  current = index;
  categoryList.value = state.category;
  fillList(inputUnit, units);
  fillList(outputUnit, units);
  inputUnit.value = state.sourceUnit;
  outputUnit.value = state.targetUnit;
  inputText.value = state.input;
  nameUnits();
  runConversion();
  return true;
}

// The address follows the conversion a moment after the last change: browsers refuse to
// rewrite it hundreds of times a second, as a fast typist or a pasted text would ask.
const kLongestAddress = 4096;
let addressTimer = 0;
function keepInAddress() {
  clearTimeout(addressTimer);
  addressTimer = setTimeout(writeAddress, 150);
}
function writeAddress() {
  clearTimeout(addressTimer);
  const address = addressOf({
    category: engine.categories[current].name, input: inputText.value,
    sourceUnit: inputUnit.value, targetUnit: outputUnit.value });
  // A pasted text of megabytes is no link anyone shares, and browsers refuse addresses that
  // long: the address then keeps the last conversion that fitted.
  if (address.length > kLongestAddress || location.hash === address) return;
  history.replaceState(null, '', address);
}

function showCommandNote(text) {
  commandNote.textContent = text;
  commandNote.hidden = text === '';
}

async function cut() {
  await navigator.clipboard.writeText(inputText.value);
  inputText.value = '';
  runConversion();
}

async function copy() {
  // The conversion as one line, exactly as the boxes and lists show it.
  await navigator.clipboard.writeText(
    `${inputText.value} ${inputUnit.value} = ${outputText.value} ${outputUnit.value}`);
}

async function paste() {
  inputText.value = await navigator.clipboard.readText();
  runConversion();
}

function reset() {
  inputText.value = '';
  runConversion();
  // Emptied after the recalculation the empty number causes, so the result ends empty.
  outputText.value = '';
}

// A browser may refuse the clipboard (no permission, no focus); say so instead of failing
// silently, and point to the keyboard, which always works.
function clipboardCommand(command, name) {
  return async () => {
    showCommandNote('');
    try {
      await command();
    } catch {
      showCommandNote(
        `${name} needs the clipboard, which the browser refused; ${clipboardKeysHint()}.`);
    }
  };
}

for (const [index, category] of engine.categories.entries()) {
  categoryList.add(new Option(captionOf(category.name), category.name));
  if (index === 0) categoryList.selectedIndex = 0;
}
categoryList.addEventListener('change', () => {
  selectCategory(engine.categories.findIndex((c) => c.name === categoryList.value));
});
inputText.addEventListener('input', runConversion);
for (const list of [inputUnit, outputUnit]) {
  list.addEventListener('change', () => { nameUnits(); runConversion(); });
}
element('cutButton').addEventListener('click', clipboardCommand(cut, 'Cut'));
element('copyButton').addEventListener('click', clipboardCommand(copy, 'Copy'));
element('pasteButton').addEventListener('click', clipboardCommand(paste, 'Paste'));
element('resetButton').addEventListener('click', () => { showCommandNote(''); reset(); });

const about = element('about');
element('aboutButton').addEventListener('click', () => about.showModal());

window.addEventListener('hashchange', () => restore(stateOf(location.hash)));
window.addEventListener('pagehide', writeAddress);

for (const control of [categoryList, inputText, inputUnit, outputUnit]) control.disabled = false;
if (!restore(stateOf(location.hash))) {
  inputText.value = '0';
  selectCategory(0);
}
writeAddress();
inputText.focus();
document.documentElement.dataset.ready = 'true';

watchForUpdates();
