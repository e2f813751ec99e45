// Vardeln — MIT licence, see LICENSE.
// The keys that reach the clipboard, as the user's system names them: ⌘ on Apple's systems,
// Ctrl elsewhere; where there is only a touch screen, the box's own menu.
const apple = /Mac|iPhone|iPad|iPod/.test(navigator.userAgent);
const touchOnly = !matchMedia('(any-pointer: fine)').matches;

// The modifier of the system's commands, as written for the user and as aria-keyshortcuts
// names it.
export const commandKey = apple ? { shown: '⌘', named: 'Meta+' } : { shown: 'Ctrl+', named: 'Control+' };

// How to cut, copy and paste in the number box without the page's buttons.
export function clipboardKeysHint() {
  if (touchOnly) return 'touch and hold the number box for its own Cut, Copy and Paste';
  const key = commandKey.shown;
  return `use the keyboard (${key}C, ${key}V) in the number box`;
}
