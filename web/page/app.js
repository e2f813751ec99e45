// Vardeln — MIT licence, see LICENSE.
// The converter page: a view of the converter. Each choice, keystroke and command goes to
// the converter, and what it changed is drawn; the browser's clipboard and the address are
// the page's own business.
import { loadConverter } from './converter_api.js';
import { watchForUpdates } from './update_notice.js';
import { clipboardKeysHint } from './shortcut_keys.js';
import { setUpFinder } from './unit_finder.js';
import { setUpNumberSetting } from './number_setting.js';
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
const todayOfFrom = element('todayOfFrom');
const todayOfTo = element('todayOfTo');
const definitionsSwitch = element('definitionsSwitch');
const how = element('how');
const todayTitle = element('todayTitle');

let drawn = false;

// A unit list: the category's units, then its compound units ("Feet and Inches") under their
// own heading; an option's place among all of them is the unit's position in the converter.
// Under today's definitions, a unit that cannot convert by them says so in its name, which a
// screen reader reads with it.
function fillList(list, category, convertsByToday) {
  const options = (labels, first) => labels.map((label, at) => new Option(
    convertsByToday?.[first + at] === false ? `${label} (no definition today)` : label, label));
  list.replaceChildren(...options(category.units, 0));
  if (category.compoundUnits.length === 0) return;
  const compound = document.createElement('optgroup');
  compound.label = 'Compound units';
  compound.append(...options(category.compoundUnits, category.units.length));
  list.append(compound);
}

// Draws what a command changed.
function show(changed) {
  const category = converter.categories[converter.category()];
  const byToday = converter.byToday();
  if (changed & (Change.category | Change.definitions)) {
    categoryList.value = category.id;
    const convertsByToday = byToday ? converter.convertsByToday() : undefined;
    fillList(inputUnit, category, convertsByToday);
    fillList(outputUnit, category, convertsByToday);
    form.elements.definitions.value = byToday ? 'today' : 'legacy';
  }
  if (changed & (Change.category | Change.units | Change.definitions)) {
    inputUnit.selectedIndex = converter.from();
    outputUnit.selectedIndex = converter.to();
    // Resting the pointer on a box or its list names the unit it is in.
    const labels = [...category.units, ...category.compoundUnits];
    inputUnit.title = inputText.title = labels[converter.from()];
    outputUnit.title = outputText.title = labels[converter.to()];
  }
  // How the result is computed: the two rules as arithmetic, as --explain writes them, and
  // each unit's definition today with its source; by today's definitions, the exact arithmetic
  // of the number typed.
  if (changed & (Change.category | Change.units | Change.definitions) ||
      (byToday && changed & (Change.number | Change.result))) {
    const [toBase, fromBase, todayFrom, todayTo] = converter.how();
    howToBase.textContent = toBase;
    howFromBase.textContent = fromBase;
    todayOfFrom.textContent = todayFrom;
    todayOfTo.textContent = todayTo;
    // A conversion refused, or none made, leaves no heading over nothing.
    todayTitle.hidden = todayFrom === '' && todayTo === '';
    how.hidden = toBase === '' && fromBase === '' && todayTitle.hidden;
  }
  // What a command said belongs to the conversion it was said of.
  if (changed & (Change.category | Change.units | Change.number | Change.result |
                 Change.definitions)) {
    showCommandNote('');
  }
  // The converter may take a text otherwise than the box holds it, or refuse it.
  const number = converter.number();
  if (inputText.value !== number) {
    inputText.value = number;
    forgetSteps();
  }
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
    faultNote.classList.toggle('plain', !converter.noteIsFault() && !converter.noteRefusesToday());
    faultNote.hidden = faultNote.textContent === '';
    if (drawn) bringIntoSight(faultNote);
  }
  keepForReload();
  keepInAddress();
  if (!drawn) {
    drawn = true;
    performance.mark('vardeln-first-conversion');  // read by the benchmark
  }
}

// A note the conversion brings is scrolled into view, as far as the control in use stays in it
// (on a phone at a large text size the two may not fit one screen).
function bringIntoSight(note) {
  if (note.hidden) return;
  const { top, bottom } = note.getBoundingClientRect();
  const inUse = document.activeElement === document.body
    ? { top: Infinity, bottom: -Infinity } : document.activeElement.getBoundingClientRect();
  const down = Math.min(bottom - innerHeight, inUse.top);
  scrollBy(0, down > 0 ? down : Math.min(0, Math.max(top, inUse.bottom - innerHeight)));
}

// The address is the conversion on screen within a moment, so a reload or a copied link gives
// what the user sees. Browsers refuse to rewrite it more than a couple of hundred times in ten
// seconds: writes are kept a tenth of a second apart, and one of a burst is written when that
// has passed. After a link that names nothing known, the user's address stays until the user
// changes something.
const addressGap = 100;  // ms: a hundred writes in ten seconds at most
let lastWrite = -Infinity;
let pendingWrite = 0;
function keepInAddress() {
  // While the page loads, each address write holds it up for milliseconds: the start's
  // conversion is written once it has loaded.
  if (document.readyState !== 'complete') {
    window.addEventListener('load', keepInAddress, { once: true });
    return;
  }
  clearTimeout(pendingWrite);
  if (converter.noteIsUnknownLink()) return;
  const address = converter.link();
  if (location.hash === address) return;
  const wait = lastWrite + addressGap - performance.now();
  if (wait > 0) {
    pendingWrite = setTimeout(keepInAddress, wait);
    return;
  }
  lastWrite = performance.now();
  history.replaceState(null, '', address);
}

// The tab keeps the conversion on screen at once: a reload gives what was on screen, though
// the browser may reload an address the page has not yet caught up with, or one older than
// its last write. A link the user follows or edits is no reload, and wins. Beside the link, it
// keeps whether an empty number showed Reset's nothing or "Invalid Number". (A browser that
// keeps nothing for the site refuses the storage itself.)
const tabStorage = (() => {
  try {
    return sessionStorage;
  } catch {
    return { getItem: () => null, setItem() {}, removeItem() {} };
  }
})();
const shownKey = 'vardeln-shown';
const shownAsReset = () => converter.number() === '' && converter.result() === '';
function keepForReload() {
  if (converter.noteIsUnknownLink()) {
    tabStorage.removeItem(shownKey);
  } else {
    tabStorage.setItem(shownKey, JSON.stringify({ link: converter.link(), reset: shownAsReset() }));
  }
}

function followAddress(address) {
  show(converter.followLink(address) | everything);
}

function openAddress() {
  const kept = JSON.parse(tabStorage.getItem(shownKey));
  if (performance.getEntriesByType('navigation')[0]?.type !== 'reload' || !kept) {
    followAddress(location.hash);
    return;
  }
  // A link with no number opens as Reset leaves it.
  followAddress(kept.link);
  if (shownAsReset() && !kept.reset) show(converter.setNumber(''));
}

// A command's number goes into the box as an edit of the text from `start` to `end`, so the
// browser's undo and redo hold it as they hold typing; the box takes the focus to be edited.
let writing = false;
function writeNumber(start = 0, end = inputText.value.length) {
  const number = converter.number();
  if (inputText.value === number) return;
  undone.length = 0;
  unitsUndone.length = 0;
  done.push({ text: number, reset: false });
  const inserted = number.slice(start, number.length - (inputText.value.length - end));
  inputText.focus();
  inputText.setSelectionRange(start, end);
  writing = true;
  try {
    if (!document.execCommand(inserted === '' ? 'delete' : 'insertText', false, inserted)) {
      inputText.value = number;
    }
  } finally {
    writing = false;
  }
}

function showCommand(changed) {
  writeNumber();
  show(changed);
}

// The browser's undo and redo bring back a text, and with it the result that went with it:
// an empty text showed Reset's nothing or "Invalid Number". The page keeps, for each step of
// the box's history, its text and whether Reset made it; a step is matched to the browser's by
// its text, since the browser joins a run of typed characters into one step.
const done = [];  // the steps up to the text shown, the last one its own
const undone = [];
function forgetSteps() {
  done.length = 0;
  undone.length = 0;
  unitsDone.length = 0;
  unitsUndone.length = 0;
}
function numberEdited(event) {
  if (writing) return;
  const text = inputText.value;
  const last = () => done.at(-1)?.text;
  if (event.inputType === 'historyUndo') {
    if (done.length > 0) undone.push(done.pop());
    while (done.length > 0 && last() !== text) undone.push(done.pop());
  } else if (event.inputType === 'historyRedo') {
    while (undone.length > 0 && last() !== text) done.push(undone.pop());
  } else {
    undone.length = 0;
    unitsUndone.length = 0;
    done.push({ text, reset: false });
  }
  show(done.at(-1)?.text === text && done.at(-1).reset ? converter.reset()
                                                       : converter.setNumber(text));
}

// Swap and a unit taken from the finder are undone and redone by the keys that undo and redo
// typing, in the order they were made: the browser keeps the box's steps, the page these, each
// with how many of the box's steps came before it.
const unitsDone = [];
const unitsUndone = [];
const unitsShown = () => ({ category: converter.category(), from: converter.from(),
                            to: converter.to() });
function changeUnits(command) {
  const before = unitsShown();
  const changed = command();
  show(changed);
  if (!(changed & (Change.category | Change.units))) return;
  unitsUndone.length = 0;
  unitsDone.push({ before, after: unitsShown(), boxSteps: done.length });
}
function showUnits({ category, from, to }) {
  const changed = category === converter.category() ? 0 : converter.chooseCategory(category);
  show(changed | converter.chooseFrom(from) | converter.chooseTo(to));
}
document.addEventListener('keydown', (event) => {
  const key = event.key.toLowerCase();
  if (!(event.ctrlKey || event.metaKey) || event.altKey || !['z', 'y'].includes(key) ||
      document.querySelector('dialog[open]')) {
    return;
  }
  const redo = key === 'y' || event.shiftKey;
  const [steps, others] = redo ? [unitsUndone, unitsDone] : [unitsDone, unitsUndone];
  const step = steps.at(-1);
  // A step of the box's made after this one (or, to redo, before it) goes first.
  if (!step || (redo ? done.length < step.boxSteps : done.length > step.boxSteps)) return;
  event.preventDefault();
  others.push(steps.pop());
  showUnits(redo ? step.after : step.before);
});

// A refusal, or (plain) what a command did, beside the result where it is seen; a screen
// reader announces it.
function showCommandNote(text, plain = false) {
  commandNote.textContent = text;
  commandNote.classList.toggle('plain', plain);
  commandNote.hidden = text === '';
  if (text !== '') commandNote.scrollIntoView({ block: 'nearest' });
}

// The number goes to the clipboard before the converter lets it go: a refused clipboard
// loses nothing.
async function cut() {
  await navigator.clipboard.writeText(converter.number());
  showCommand(converter.cut().changed);
}

// Copy's forms: the conversion as a sentence, the result alone (for a sheet), the result with
// its unit, and the page's address of the conversion. Each says what it put on the clipboard;
// where no number stands as the result, the first three leave the clipboard alone and say why.
const copiedNames = { sentence: 'the sentence', result: 'the number',
                      resultWithUnit: 'the number and unit', link: 'the link' };

function nothingToCopyBecause() {
  if (converter.staleBecause() !== '') return converter.staleBecause();
  if (converter.result() !== '') return converter.result();
  return converter.noteRefusesToday() ? converter.note() : 'no number';
}

function copyAs(form) {
  return async () => {
    if (form !== 'link' && !converter.resultToCopy()) {
      showCommandNote(`Nothing to copy: ${nothingToCopyBecause()}`);
      return;
    }
    const copied = form === 'link' ? new URL(converter.link(), location.href).href
                                   : converter.copy(form);
    await navigator.clipboard.writeText(copied);
    showCommandNote(`Copied ${copiedNames[form]}: ${copied}`, true);
  };
}

async function paste() {
  showCommand(converter.paste(await navigator.clipboard.readText()));
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
// that the converter, not the browser, decides what a line break or a long text gives; what it
// takes is then written as the browser's own paste would be, undoable.
function pasteIntoBox(event) {
  if (event.inputType !== 'insertFromPaste') return;
  const pasted = event.dataTransfer?.getData('text/plain') ?? event.data;
  if (pasted === null) return;
  event.preventDefault();
  const { selectionStart: start, selectionEnd: end, value } = inputText;
  const changed = converter.setNumber(value.slice(0, start) + pasted + value.slice(end));
  writeNumber(start, end);
  show(changed);
}

for (const category of converter.categories) {
  categoryList.add(new Option(category.caption, category.id));
}
categoryList.addEventListener('change', () => {
  show(converter.chooseCategory(categoryList.selectedIndex));
});
inputText.addEventListener('input', numberEdited);
inputText.addEventListener('beforeinput', pasteIntoBox);
inputUnit.addEventListener('change', () => show(converter.chooseFrom(inputUnit.selectedIndex)));
outputUnit.addEventListener('change', () => show(converter.chooseTo(outputUnit.selectedIndex)));
element('cutButton').addEventListener('click', clipboardCommand(cut, 'Cut'));
element('copyButton').addEventListener('click', clipboardCommand(copyAs('sentence'), 'Copy'));
// Each of Copy's forms on its button and on Alt+Shift and the button's letter (as its
// aria-keyshortcuts says), which no browser or screen reader keeps for itself.
const copyShortcuts = new Map();
for (const button of document.querySelectorAll('[data-copy]')) {
  const command = clipboardCommand(copyAs(button.dataset.copy), 'Copy');
  button.addEventListener('click', command);
  copyShortcuts.set(`Key${button.getAttribute('aria-keyshortcuts').at(-1)}`, command);
}
document.addEventListener('keydown', (event) => {
  const command = copyShortcuts.get(event.code);
  if (!command || !event.altKey || !event.shiftKey || event.ctrlKey || event.metaKey) return;
  event.preventDefault();
  command();
});
element('pasteButton').addEventListener('click', clipboardCommand(paste, 'Paste'));
element('resetButton').addEventListener('click', () => {
  showCommandNote('');
  showCommand(converter.reset());
  // Reset of an empty box is no edit of the browser's: the step shown becomes Reset's.
  if (done.length === 0) done.push({ text: '', reset: true });
  done.at(-1).reset = true;
});

// A unit found in any category goes to the side the user chose; Swap keeps the number.
setUpFinder(converter, (side, category, unit) => changeUnits(
  () => ({ from: converter.chooseFromIn, to: converter.chooseToIn }[side](category, unit))));
definitionsSwitch.addEventListener('change', (event) =>
  show(converter.setByToday(event.target.value === 'today')));
element('swapButton').addEventListener('click', () => changeUnits(converter.swapUnits));

const startStyle = setUpNumberSetting((style) => show(converter.setNumberStyle(style)),
                                      converter.groupMarkBeside);

const about = element('about');
element('aboutButton').addEventListener('click', () => about.showModal());

// The address the link named: the page's own write still pending may have replaced it since.
window.addEventListener('hashchange', (event) => followAddress(new URL(event.newURL).hash));
// Enter in the number box converts nothing more: the form goes nowhere.
form.addEventListener('submit', (event) => event.preventDefault());

for (const control of [categoryList, inputText, inputUnit, outputUnit, definitionsSwitch]) {
  control.disabled = false;
}
// The style is the converter's before the address is read, so a link's number shows in it.
converter.setNumberStyle(startStyle);
openAddress();
// The first key replaces the start's number, as in the window; a link's note shows with it.
inputText.focus();
inputText.select();
bringIntoSight(faultNote);
// How is read on demand where the screen is narrow for the text, and open where there is room.
how.open = matchMedia('(min-width: 40rem)').matches;
document.documentElement.dataset.ready = 'true';

watchForUpdates();
