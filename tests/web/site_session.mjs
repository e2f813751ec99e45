// Vardeln — MIT licence, see LICENSE.
// One server of the built site and one Chromium for a whole test file: started before its
// first test, stopped after its last. Read session.server and session.browser inside tests.
import { before, after } from 'node:test';
import { launchChromium } from './browser.mjs';
import { startSiteServer } from './site_server.mjs';
import { siteDir } from './test_setup.mjs';

export function siteSession() {
  const session = {};
  before(async () => {
    session.server = await startSiteServer(siteDir);
    session.browser = await launchChromium();
  });
  after(async () => {
    await session.browser?.close();
    await session.server?.stop();
  });
  return session;
}
