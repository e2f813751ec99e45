// Vardeln — MIT licence, see LICENSE.
// Figures for the page, each beside a baseline measured in the same run so that the ratio
// can be read on any machine:
//   - the site's size, raw and compressed (gzip -9, and the site's own brotli copies), which a
//     static host transfers;
//   - what a first visit downloads, file by file, the service worker's copies included, from a
//     host that sends the brotli copies;
//   - the time from navigation to the first conversion shown, against a blank page's load
//     from the same server, both in fresh browser contexts (nothing cached); for reading that
//     ratio, also a blank page that carries nothing but the engine's bytes as the page does
//     (base64 in its one script) and does nothing with them;
//   - one recalculation in the page (the number handed to the WebAssembly and what the page
//     then reads back to draw: number, result, whether it is stale), against the same command
//     in the native build (engine_bench, Google Benchmark).
// Run after tests/web/run.sh has built the site and the normal build has built engine_bench:
//   node bench/web/page_bench.mjs
import { execFileSync } from 'node:child_process';
import { cpSync, mkdtempSync, readFileSync, readdirSync, statSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { launchChromium } from '../../tests/web/browser.mjs';
import { startPythonServer } from '../../tests/web/python_server.mjs';
import { startSiteServer } from '../../tests/web/site_server.mjs';
import { presetFolder, siteDir } from '../../tests/web/test_setup.mjs';

// The native engine benchmark of the normal build (the default preset builds it).
const engineBench = process.env.VARDELN_ENGINE_BENCH ??
  join(presetFolder('default'), 'bench', 'engine', 'engine_bench');
const loads = 15;
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const verdict = (ratio, limit) => (ratio <= limit ? 'within target' : 'OVER TARGET');

// The site's own files (not its pre-compressed copies): raw, each compressed with gzip -9, and
// as a host sends them from the brotli copies (the pictures as they are).
function siteSize() {
  const names = readdirSync(siteDir);
  let raw = 0;
  let compressed = 0;
  let brotli = 0;
  for (const name of names.filter((file) => !/\.(gz|br)$/.test(file))) {
    const body = readFileSync(join(siteDir, name));
    raw += body.length;
    compressed += gzipSync(body, { level: 9 }).length;
    brotli += names.includes(`${name}.br`) ? statSync(join(siteDir, `${name}.br`)).size : body.length;
  }
  return { raw, compressed, brotli };
}

// Each file a first visit downloads, with its bytes, until the service worker has kept the
// site; a file asked for twice is named twice. The folder's own address is index.html.
async function firstVisitTransfer(browser) {
  const server = await startSiteServer(siteDir);
  const context = await browser.newContext();
  const tab = await context.newPage();
  await tab.goto(server.url);
  await tab.waitForSelector('html[data-ready="true"]');
  await tab.evaluate(() => navigator.serviceWorker.ready);
  await context.close();
  await server.stop();
  return server.requests.map(({ path, bytes }) => ({ name: path === '/' ? 'index.html' : path.slice(1), bytes }));
}

async function firstConversionAgainstBlank(browser, server) {
  const page = [];
  const blank = [];
  const engineBytes = [];
  for (let i = 0; i < loads; ++i) {
    for (const which of ['page', 'blank', 'engineBytes']) {
      const context = await browser.newContext();
      const tab = await context.newPage();
      if (which === 'page') {
        await tab.goto(server.url);
        await tab.waitForSelector('html[data-ready="true"]');
        page.push(await tab.evaluate(() =>
          performance.getEntriesByName('vardeln-first-conversion')[0].startTime));
      } else if (which === 'engineBytes') {
        await tab.goto(server.url + 'engine-bytes.html');
        await tab.waitForFunction(() => performance.getEntriesByName('script-ran').length > 0);
        engineBytes.push(await tab.evaluate(() => performance.getEntriesByName('script-ran')[0].startTime));
      } else {
        await tab.goto(server.url + 'blank.html');
        await tab.waitForFunction(() => performance.getEntriesByType('navigation')[0]?.loadEventEnd > 0);
        blank.push(await tab.evaluate(() => performance.getEntriesByType('navigation')[0].loadEventEnd));
      }
      await context.close();
    }
  }
  return { page: median(page), blank: median(blank), engineBytes: median(engineBytes) };
}

// The same conversion as engine_bench's: Volume, "Barrel Petrolium" on both sides, here as the
// page asks for it: the number handed to the converter, converted and its state read back.
async function pageRecalculation(browser, server) {
  const context = await browser.newContext();
  const tab = await context.newPage();
  await tab.goto(server.url);
  await tab.waitForSelector('html[data-ready="true"]');
  const result = await tab.evaluate(async () => {
    // The page's engine module as the build stages it before putting it inside the page.
    const { loadConverter } = await import('./engine-modules/converter_api.js');
    const wasm = await fetch('./engine-modules/engine.wasm');
    const converter = await loadConverter(new Uint8Array(await wasm.arrayBuffer()));
    const volume = converter.categories.findIndex((c) => c.id === 'volume');
    const unit = 'Barrel Petrolium';
    converter.chooseCategory(volume);
    converter.chooseFrom(converter.categories[volume].units.indexOf(unit));
    converter.chooseTo(converter.categories[volume].units.indexOf(unit));
    const calls = 200000;
    let best = Infinity;
    for (let round = 0; round < 5; ++round) {
      const start = performance.now();
      for (let i = 0; i < calls; ++i) {
        converter.setNumber(i % 2 ? '1234.5678' : '1234.567');
        converter.number();
        converter.result();
        converter.staleBecause();
      }
      best = Math.min(best, (performance.now() - start) / calls);
    }
    // The whole keystroke as the page handles it: event, recalculation, result written.
    const box = document.getElementById('inputText');
    document.getElementById('category').value = 'volume';
    document.getElementById('category').dispatchEvent(new Event('change'));
    document.getElementById('inputUnit').value = unit;
    document.getElementById('outputUnit').value = unit;
    const keystrokes = 20000;
    const start = performance.now();
    for (let i = 0; i < keystrokes; ++i) {
      box.value = i % 2 ? '1234.5678' : '1234.567';
      box.dispatchEvent(new Event('input'));
    }
    const keystroke = (performance.now() - start) / keystrokes;
    return { call: best * 1e6, keystroke: keystroke * 1e6 };
  });
  await context.close();
  return result;
}

function nativeRecalculation() {
  const out = join(mkdtempSync(join(tmpdir(), 'vardeln-bench-')), 'engine.json');
  execFileSync(engineBench, ['--benchmark_filter=recalculationVolume',
                             '--benchmark_repetitions=5', `--benchmark_out=${out}`,
                             '--benchmark_out_format=json'], { stdio: 'ignore' });
  const runs = JSON.parse(readFileSync(out, 'utf8')).benchmarks
    .filter((b) => b.run_type === 'iteration');
  // The page can only read the wall clock, so the ratio is taken on the wall clock too; on a
  // busy machine the processor time is shown beside it.
  return { wall: Math.min(...runs.map((b) => b.real_time)),
           cpu: Math.min(...runs.map((b) => b.cpu_time)) };  // nanoseconds
}

// The site and a blank page served by Debian's Python, as web.sh serves it; beside them the
// engine's modules, for the recalculation measured alone.
async function startSiteCopy() {
  const root = mkdtempSync(join(tmpdir(), 'vardeln-site-'));
  cpSync(siteDir, root, { recursive: true });
  cpSync(join(siteDir, '..', 'page'), join(root, 'engine-modules'), { recursive: true });
  const blankPage = (body) => `<!doctype html><html lang="en"><title>blank</title>${body}</html>`;
  writeFileSync(join(root, 'blank.html'), blankPage(''));
  const engine = readFileSync(join(root, 'engine-modules', 'engine.wasm')).toString('base64');
  writeFileSync(join(root, 'engine-bytes.html'), blankPage(
    `<script type="module">const engine = "${engine}"; performance.mark('script-ran');</script>`));
  return startPythonServer(root);
}

const server = await startSiteCopy();
const browser = await launchChromium();
try {
  const size = siteSize();
  console.log(`site size            ${(size.raw / 1024).toFixed(1)} kB raw, ` +
              `${(size.compressed / 1024).toFixed(1)} kB gzip -9, ` +
              `${(size.brotli / 1024).toFixed(1)} kB from the brotli copies ` +
              `(target: at most 200 kB compressed) ${size.compressed <= 200 * 1024 ? 'within target' : 'OVER TARGET'}`);

  const files = await firstVisitTransfer(browser);
  const names = files.map(({ name }) => name);
  console.log(`first visit          ${(files.reduce((sum, { bytes }) => sum + bytes, 0) / 1024).toFixed(1)} kB: ` +
              files.map(({ name, bytes }) => `${name} ${(bytes / 1024).toFixed(1)} kB`).join(', ') +
              (new Set(names).size === names.length ? '   (each file once)' : '   (SOME FILE TWICE)'));

  const load = await firstConversionAgainstBlank(browser, server);
  const loadRatio = load.page / load.blank;
  console.log(`first conversion     ${load.page.toFixed(1)} ms   blank page load ${load.blank.toFixed(1)} ms` +
              `   ratio ${loadRatio.toFixed(2)} (target: at most 1.5) ${verdict(loadRatio, 1.5)}` +
              `   medians of ${loads} fresh loads`);
  console.log(`  for reading it:    blank page with the engine's bytes in its script ${load.engineBytes.toFixed(1)} ms` +
              `   ratio ${(load.engineBytes / load.blank).toFixed(2)}`);

  const inPage = await pageRecalculation(browser, server);
  const native = nativeRecalculation();
  const callRatio = inPage.call / native.wall;
  console.log(`recalculation        page ${inPage.call.toFixed(0)} ns   native ${native.wall.toFixed(0)} ns` +
              ` (processor time ${native.cpu.toFixed(0)} ns)` +
              `   ratio ${callRatio.toFixed(2)} (target: at most 2.0) ${verdict(callRatio, 2)}` +
              `   Volume, Barrel Petrolium on both sides`);
  console.log(`keystroke in page    ${inPage.keystroke.toFixed(0)} ns (input event, recalculation, result written)`);
} finally {
  await browser.close();
  await server.stop();
}
