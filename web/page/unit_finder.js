// Vardeln — MIT licence, see LICENSE.
// The unit finder: one search over the units of every category, a combobox with the list of
// the units found (the ARIA combobox pattern, the first unit active as the user types). The
// converter finds and ranks them; this shows them and passes on the one chosen. It opens on
// its button, on Ctrl+K (⌘K) anywhere and on "/" outside a text box, where "/" is typed.
import { commandKey } from './shortcut_keys.js';

const element = (id) => document.getElementById(id);

// "/" is typed in a text box (a fraction's slash), and opens the finder elsewhere.
const slashOpens = (focused) => !focused?.matches?.('input[type="text"], textarea');

// The Find button names the keys that open the finder from where the focus is.
function nameKeys(focused) {
  const slash = slashOpens(focused);
  const button = element('findButton');
  button.title = `${slash ? '/ or ' : ''}${commandKey.shown}K`;
  button.setAttribute('aria-keyshortcuts', `${slash ? '/ ' : ''}${commandKey.named}K`);
}

// choose(side, category, unit): a unit was chosen for the side 'from' or 'to'.
export function setUpFinder(converter, choose) {
  const finder = element('finder');
  const box = element('finderText');
  const list = element('finderList');
  const none = element('finderNone');
  let found = [];  // [category, unit] of each option
  let active = -1;

  function activate(index) {
    list.children[active]?.setAttribute('aria-selected', 'false');
    active = index;
    const option = list.children[active];
    if (!option) {
      box.removeAttribute('aria-activedescendant');
      return;
    }
    option.setAttribute('aria-selected', 'true');
    box.setAttribute('aria-activedescendant', option.id);
    option.scrollIntoView({ block: 'nearest' });
  }

  // Each option reads as "Tola in Mass".
  function option([category, unit], index) {
    const { caption, units, compoundUnits } = converter.categories[category];
    const item = document.createElement('li');
    item.id = `finderOption${index}`;
    item.setAttribute('role', 'option');
    item.setAttribute('aria-selected', 'false');
    const where = document.createElement('span');
    where.textContent = ` in ${caption}`;
    item.append([...units, ...compoundUnits][unit], where);
    return item;
  }

  function search() {
    found = converter.findUnits(box.value);
    active = -1;
    list.replaceChildren(...found.map(option));
    list.hidden = found.length === 0;
    box.setAttribute('aria-expanded', String(found.length > 0));
    none.textContent = found.length === 0 && box.value.trim() !== '' ? 'No unit by that name' : '';
    activate(found.length > 0 ? 0 : -1);
  }

  function chooseAt(index) {
    if (!found[index]) return;
    choose(finder.querySelector('[name="side"]:checked').value, ...found[index]);
    finder.close();
  }

  function open() {
    box.value = '';
    search();
    finder.showModal();
  }

  box.addEventListener('input', search);
  box.addEventListener('keydown', (event) => {
    const step = { ArrowDown: 1, ArrowUp: -1 }[event.key];
    if (step && found.length > 0) {
      event.preventDefault();
      activate((active + step + found.length) % found.length);
    } else if (event.key === 'Enter') {
      event.preventDefault();
      chooseAt(active);
    }
  });
  // A press on an option leaves the focus in the box, where the screen reader is.
  list.addEventListener('pointerdown', (event) => event.preventDefault());
  list.addEventListener('click', (event) => {
    chooseAt([...list.children].indexOf(event.target.closest('[role="option"]')));
  });
  element('findButton').addEventListener('click', open);
  element('finderClose').addEventListener('click', () => finder.close());
  nameKeys(document.activeElement);
  document.addEventListener('focusin', (event) => nameKeys(event.target));
  document.addEventListener('focusout', (event) => nameKeys(event.relatedTarget));
  document.addEventListener('keydown', (event) => {
    if (document.querySelector('dialog[open]') || event.altKey) return;
    const slash = event.key === '/' && slashOpens(event.target) && !event.ctrlKey && !event.metaKey;
    const controlK = (event.ctrlKey || event.metaKey) && event.key.toLowerCase() === 'k';
    if (!slash && !controlK) return;
    event.preventDefault();
    open();
  });
}
