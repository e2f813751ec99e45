// Vardeln — MIT licence, see LICENSE.
// Lighthouse's scores for the page (performance, accessibility, best practices, SEO) on its
// mobile preset (a mid-range phone on a slow network, emulated) and its desktop preset, with
// the site sent as a well-set host sends it: pre-compressed copies, from a local server.
// Target: 100 in every category on both. Run through bench/web/lighthouse.sh, which installs
// Lighthouse first.
import { execFile } from 'node:child_process';
import { promisify } from 'node:util';
import { join } from 'node:path';
import { chromiumFlags } from '../../tests/web/browser.mjs';
import { startSiteServer } from '../../tests/web/site_server.mjs';
import { siteDir } from '../../tests/web/test_setup.mjs';

const lighthouse = join(import.meta.dirname, 'lighthouse', 'node_modules', 'lighthouse', 'cli',
                        'index.js');
const presets = [['mobile', []], ['desktop', ['--preset=desktop']]];

const server = await startSiteServer(siteDir);
let allFull = true;
try {
  for (const [name, options] of presets) {
    // Run beside the server, which answers from this process.
    const { stdout } = await promisify(execFile)(process.execPath, [
      lighthouse, server.url, ...options, '--output=json', '--output-path=stdout', '--quiet',
      `--chrome-flags=${chromiumFlags.join(' ')}`,
    ], { env: { ...process.env, CHROME_PATH: process.env.VARDELN_CHROMIUM ?? '/usr/bin/chromium' },
         maxBuffer: 64 * 1024 * 1024 });
    const report = JSON.parse(stdout);
    const scores = Object.values(report.categories)
      .map(({ title, score }) => [title, Math.round(score * 100)]);
    allFull &&= scores.every(([, score]) => score === 100);
    const metrics = Object.entries({ FCP: 'first-contentful-paint', LCP: 'largest-contentful-paint',
                                     TBT: 'total-blocking-time', CLS: 'cumulative-layout-shift' })
      .map(([name, id]) => `${name} ${report.audits[id].displayValue}`);
    console.log(`lighthouse ${name.padEnd(8)} ${scores.map(([t, s]) => `${t} ${s}`).join('   ')}` +
                `   (${metrics.join(', ')})   Lighthouse ${report.lighthouseVersion}`);
    // What keeps a category below 100, so that a lost point can be mended.
    for (const category of Object.values(report.categories).filter(({ score }) => score < 1)) {
      for (const { id, weight } of category.auditRefs) {
        const audit = report.audits[id];
        if (weight > 0 && audit.score !== null && audit.score < 1) {
          console.log(`  ${category.title}: ${audit.title}`);
        }
      }
    }
  }
  console.log(`target: 100 in every category on both presets: ${allFull ? 'met' : 'NOT MET'}`);
} finally {
  await server.stop();
}
