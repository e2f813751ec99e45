// Vardeln — MIT licence, see LICENSE.
// The converter page: a view of the converter. Each choice, keystroke and command goes to
// the converter, and what it changed is drawn; the browser's clipboard and the address are
// the page's own business.
import { loadConverter } from './converter_api.js';
import { watchForUpdates } from './update_notice.js';
import { clipboardKeysHint } from './shortcut_keys.js';
// The build puts the engine inside this script as base64 text: the whole page is one request.
import engineBase64 from './engine.wasm';

const decodeBase64 = (text) =>
  Uint8Array.fromBase64?.(text) ?? Uint8Array.from(atob(text), (c) => c.charCodeAt(0));
const converter = await loadConverter(decodeBase64(engineBase64));
const { Change, everything } = converter;
const element = (id) => document.getElementById(id);
const categoryList = element('category');
const inputText = element('inputText');
const inputUnit = element('inputUnit');
const outputText = element('outputText');
const outputUnit = element('outputUnit');
const faultNote = element('faultNote');
const commandNote = element('commandNote');
const howToBase = element('howToBase');
const howFromBase = element('howFromBase');

let drawn = false;

function fillList(list, labels) {
  list.replaceChildren(...labels.map((label) => new Option(label, label)));
}

// Draws what a command changed.
function show(changed) {
  const category = converter.categories[converter.category()];
  if (changed & Change.category) {
    categoryList.value = category.id;
    fillList(inputUnit, category.units);
    fillList(outputUnit, category.units);
  }
  if (changed & (Change.category | Change.units)) {
    inputUnit.selectedIndex = converter.from();
    outputUnit.selectedIndex = converter.to();
    // Resting the pointer on a box or its list names the unit it is in.
    inputUnit.title = inputText.title = category.units[converter.from()];
    outputUnit.title = outputText.title = category.units[converter.to()];
    // How the result is computed: the two rules as arithmetic, as --explain writes them.
    const [toBase, fromBase] = converter.how();
    howToBase.textContent = toBase;
    howFromBase.textContent = fromBase;
  }
  // The converter may take a text otherwise than the box holds it, or refuse it.
  const number = converter.number();
  if (inputText.value !== number) inputText.value = number;
  if (changed & Change.result) {
    outputText.value = converter.result();
    // A stale result is drawn in the fault's colour and named with it, as the note names it.
    const fault = converter.staleBecause();
    outputText.classList.toggle('stale', fault !== '');
    if (fault) {
      outputText.setAttribute('aria-description', fault);
    } else {
      outputText.removeAttribute('aria-description');
    }
  }
  if (changed & Change.note) {
    faultNote.textContent = converter.note();
    faultNote.classList.toggle('plain', !converter.noteIsFault());
    faultNote.hidden = faultNote.textContent === '';
  }
  keepInAddress();
  if (!drawn) {
    drawn = true;
    performance.mark('vardeln-first-conversion');  // read by the benchmark
  }
}

// The address is the conversion on screen the moment it shows, so a reload or a copied link
// gives what the user sees. Browsers refuse to rewrite it more than a couple of hundred times in
// ten seconds: a burst beyond what any typist makes is written once it has passed. After a
// link that names nothing known, the user's address stays until the user changes something.
const addressBudget = { writes: 100, seconds: 10 };
let recentWrites = [];
let pendingWrite = 0;
function keepInAddress() {
  if (converter.noteIsUnknownLink()) return;
  // While the page loads, each address write holds it up for milliseconds: the start's
  // conversion is written once it has loaded.
  if (document.readyState !== 'complete') {
    window.addEventListener('load', keepInAddress, { once: true });
    return;
  }
  const now = performance.now();
  recentWrites = recentWrites.filter((time) => now - time < addressBudget.seconds * 1000);
  clearTimeout(pendingWrite);
  if (recentWrites.length >= addressBudget.writes) {
    pendingWrite = setTimeout(keepInAddress, 250);
    return;
  }
  const address = converter.link();
  if (location.hash === address) return;
  recentWrites.push(now);
  history.replaceState(null, '', address);
}

function followAddress() {
  show(converter.followLink(location.hash) | everything);
}

function showCommandNote(text) {
  commandNote.textContent = text;
  commandNote.hidden = text === '';
}

// The number goes to the clipboard before the converter lets it go: a refused clipboard
// loses nothing.
async function cut() {
  await navigator.clipboard.writeText(converter.number());
  show(converter.cut().changed);
}

async function copy() {
  await navigator.clipboard.writeText(converter.copy());
}

async function paste() {
  show(converter.paste(await navigator.clipboard.readText()));
}

// A browser may refuse the clipboard (no permission, no focus); say so instead of failing
// silently, and point to the keyboard, which always works. The form is busy until the
// clipboard has answered.
const form = element('converter');
function clipboardCommand(command, name) {
  return async () => {
    showCommandNote('');
    form.setAttribute('aria-busy', 'true');
    try {
      await command();
    } catch {
      showCommandNote(
        `${name} needs the clipboard, which the browser refused; ${clipboardKeysHint()}.`);
    } finally {
      form.setAttribute('aria-busy', 'false');
    }
  };
}

// A paste into the number box goes to the converter as the text the box would then hold, so
// that the converter, not the browser, decides what a line break or a long text gives. The
// paste itself is never refused: the converter takes the text in the box's place.
function pasteIntoBox(event) {
  if (event.inputType !== 'insertFromPaste') return;
  const pasted = event.dataTransfer?.getData('text/plain') ?? event.data;
  if (pasted === null) return;
  event.preventDefault();
  const { selectionStart: start, selectionEnd: end, value } = inputText;
  const changed = converter.setNumber(value.slice(0, start) + pasted + value.slice(end));
  show(changed);
  if (changed & Change.number) {
    const caret = inputText.value.length - (value.length - end);
    inputText.setSelectionRange(caret, caret);
  }
}

for (const category of converter.categories) {
  categoryList.add(new Option(category.caption, category.id));
}
categoryList.addEventListener('change', () => {
  show(converter.chooseCategory(categoryList.selectedIndex));
});
inputText.addEventListener('input', () => show(converter.setNumber(inputText.value)));
inputText.addEventListener('beforeinput', pasteIntoBox);
inputUnit.addEventListener('change', () => show(converter.chooseFrom(inputUnit.selectedIndex)));
outputUnit.addEventListener('change', () => show(converter.chooseTo(outputUnit.selectedIndex)));
element('cutButton').addEventListener('click', clipboardCommand(cut, 'Cut'));
element('copyButton').addEventListener('click', clipboardCommand(copy, 'Copy'));
element('pasteButton').addEventListener('click', clipboardCommand(paste, 'Paste'));
element('resetButton').addEventListener('click', () => {
  showCommandNote('');
  show(converter.reset());
});

const about = element('about');
element('aboutButton').addEventListener('click', () => about.showModal());

window.addEventListener('hashchange', followAddress);

for (const control of [categoryList, inputText, inputUnit, outputUnit]) control.disabled = false;
followAddress();
inputText.focus();
document.documentElement.dataset.ready = 'true';

watchForUpdates();
