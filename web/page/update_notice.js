// Vardeln — MIT licence, see LICENSE.
// Keeps the page for offline use (sw.js) and says in one line when a new version is ready, with
// a button to reload into it. Nothing reloads until the user presses it: a new version found
// while they type waits. A page left open asks for a new version when it is shown again, as an
// installed app resumed from the background is.
export function watchForUpdates() {
  if (!('serviceWorker' in navigator)) return;
  const workers = navigator.serviceWorker;
  const notice = document.getElementById('updateNotice');
  let accepted = false;

  // The first version a browser installs starts at once and needs no word.
  const offer = (registration) => {
    if (registration.waiting && workers.controller) notice.hidden = false;
  };
  document.getElementById('updateButton').addEventListener('click', async () => {
    accepted = true;
    const waiting = (await workers.getRegistration())?.waiting;
    // Another tab of the page may have let the new version in already.
    if (waiting) waiting.postMessage('take over');
    else location.reload();
  });
  workers.addEventListener('controllerchange', () => {
    if (accepted) location.reload();
  });

  workers.register('./sw.js').then((registration) => {
    offer(registration);
    registration.addEventListener('updatefound', () => {
      const installing = registration.installing;
      installing?.addEventListener('statechange', () => {
        if (installing.state === 'installed') offer(registration);
      });
    });
    document.addEventListener('visibilitychange', () => {
      if (document.visibilityState === 'visible') registration.update().catch(() => {});
    });
  }, () => {
    // Without a service worker the page still works; it only cannot load offline.
  });
}
