// Vardeln — MIT licence, see LICENSE.
// A returning user and a new deploy, in one browser profile kept between visits, the site
// served as most static hosts serve it (Python's http.server: Last-Modified, no Cache-Control)
// from files a month old, which the browser may keep for days without asking. The first visit
// after the deploy says that a new version is ready and changes nothing under the user's
// fingers; the new page shows once they accept it, or on their next visit; with the network
// gone the old version keeps working, and the new one still arrives when it is back.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { cpSync, mkdtempSync, readFileSync, readdirSync, utimesSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { launchChromiumProfile, webDir } from './browser.mjs';
import { converted } from './native_convert.mjs';
import { startPythonServer } from './python_server.mjs';
import { siteDir } from './test_setup.mjs';

const temporary = (name) => mkdtempSync(join(tmpdir(), `vardeln-${name}-`));

// The built site, deployed a month ago.
function deployBuilt() {
  const root = temporary('deployed');
  cpSync(siteDir, root, { recursive: true });
  const monthAgo = new Date(Date.now() - 30 * 24 * 3600 * 1000);
  for (const name of readdirSync(root)) utimesSync(join(root, name), monthAgo, monthAgo);
  return root;
}

// A changed build copied over it today: a page whose title says so, its service worker
// stamped by the build's own step.
function deployChanged(root) {
  const page = readFileSync(join(siteDir, 'index.html'), 'utf8');
  writeFileSync(join(root, 'index.html'), page.replace(/<title>(.*?)</, '<title>$1 changed<'));
  const kept = readdirSync(root).filter((name) => name !== 'sw.js' && !/\.(gz|br)$/.test(name));
  execFileSync(process.execPath, [join(webDir, 'stamp_service_worker.mjs'),
                                  join(webDir, 'page', 'sw.js.in'), root, 'next', ...kept]);
}

async function visit(profile, url) {
  const context = await launchChromiumProfile(profile);
  const page = context.pages()[0] ?? await context.newPage();
  await page.goto(url);
  await page.waitForSelector('html[data-ready="true"]');
  return { context, page };
}

// A first visit that leaves the page kept for offline use; the page's title.
async function firstVisit(profile, url) {
  const { context, page } = await visit(profile, url);
  await page.evaluate(async () => {
    await navigator.serviceWorker.ready;
    if (!navigator.serviceWorker.controller) {
      await new Promise((done) => navigator.serviceWorker.addEventListener('controllerchange', done));
    }
  });
  const title = await page.title();
  await context.close();
  return title;
}

// The kept page shows first, the notice comes without a reload, and what the user typed stays.
async function noticeWhileTyping(page, oldTitle) {
  assert.equal(await page.title(), oldTitle, 'the kept page shows first');
  await page.locator('#inputText').fill('5');
  const loaded = await page.evaluate(() => performance.timeOrigin);
  await page.locator('#updateNotice').waitFor({ state: 'visible' });
  assert.equal(await page.evaluate(() => performance.timeOrigin), loaded, 'nothing reloaded by itself');
  assert.equal(await page.locator('#inputText').inputValue(), '5');
}

test('the page is one file, so its script and its engine are always of one version', () => {
  const code = readdirSync(siteDir).filter((name) => /\.(m?js|wasm|css)$/.test(name));
  assert.deepEqual(code, ['sw.js']);
});

const returns = [
  { user: 'accepts the new version at once', accepts: true },
  { user: 'goes on and comes back later', accepts: false },
];
for (const { user, accepts } of returns) {
  test(`a returning user who ${user} gets the new page`, async () => {
    const root = deployBuilt();
    const server = await startPythonServer(root);
    const profile = temporary('profile');
    try {
      const oldTitle = await firstVisit(profile, server.url);
      deployChanged(root);
      let { context, page } = await visit(profile, server.url);
      await noticeWhileTyping(page, oldTitle);
      if (accepts) {
        const reloaded = page.waitForEvent('load');
        await page.getByRole('button', { name: 'Reload now' }).click();
        await reloaded;
        await page.waitForSelector('html[data-ready="true"]');
        assert.equal(await page.locator('#inputText').inputValue(), '5', 'the conversion comes back');
      } else {
        await context.close();
        ({ context, page } = await visit(profile, server.url));
      }
      assert.equal(await page.title(), `${oldTitle} changed`);
      assert.ok(await page.locator('#updateNotice').isHidden());
      await context.close();
    } finally {
      await server.stop();
    }
  });
}

test('with the network gone after the first visit, the old version keeps working', async () => {
  const root = deployBuilt();
  let server = await startPythonServer(root);
  const profile = temporary('profile');
  const oldTitle = await firstVisit(profile, server.url);
  deployChanged(root);
  await server.stop();

  let { context, page } = await visit(profile, server.url);
  assert.equal(await page.title(), oldTitle);
  await page.locator('#inputText').fill('10');
  await page.selectOption('#outputUnit', 'Hectares');
  assert.equal(await page.locator('#outputText').textContent(),
               converted('area', '10', 'Acres', 'Hectares'));
  const checked = await page.evaluate(
    async () => (await navigator.serviceWorker.ready).update().then(() => 'reached', () => 'gone'));
  assert.equal(checked, 'gone');
  assert.ok(await page.locator('#updateNotice').isHidden(), 'no new version without the network');
  await context.close();

  server = await startPythonServer(root, server.port);
  try {
    ({ context, page } = await visit(profile, server.url));
    await noticeWhileTyping(page, oldTitle);
    await context.close();
  } finally {
    await server.stop();
  }
});

test('a deploy caught half-way installs nothing; the whole one arrives', async () => {
  const root = deployBuilt();
  const server = await startPythonServer(root);
  const profile = temporary('profile');
  try {
    const oldTitle = await firstVisit(profile, server.url);
    const oldPage = readFileSync(join(root, 'index.html'));
    deployChanged(root);
    writeFileSync(join(root, 'index.html'), oldPage);  // the new worker is there, its page not yet
    let { context, page } = await visit(profile, server.url);
    const installed = await page.evaluate(async () => {
      const registration = await navigator.serviceWorker.ready;
      await registration.update();
      const worker = registration.installing;
      return worker && new Promise((done) => worker.addEventListener('statechange', () => {
        if (worker.state !== 'installing') done(worker.state);
      }));
    });
    assert.equal(installed, 'redundant');
    assert.ok(await page.locator('#updateNotice').isHidden());
    await context.close();

    deployChanged(root);
    ({ context, page } = await visit(profile, server.url));
    await noticeWhileTyping(page, oldTitle);
    await context.close();
  } finally {
    await server.stop();
  }
});
