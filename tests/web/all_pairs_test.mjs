// Vardeln — MIT licence, see LICENSE.
// Every ordered unit pair of every category, at inputs from the ordinary to the extreme, gives
// in the page exactly the text vardeln-convert gives. Both programs run here; nothing is
// stored. The page is driven through its controls, as a person would: category list, unit
// lists and number box.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { spawn, execFileSync } from 'node:child_process';
import { mkdtempSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { openSite } from './browser.mjs';
import { siteSession } from './site_session.mjs';
import { convertProgram } from './test_setup.mjs';

// Negative, very large (overflowing in many rules), very small (subnormal), zero, with blanks
// around, and not a number at all.
const inputs = ['1', '-42.5', '123456789.123', '1e300', '-3.5e-310', '0', ' 7e2 ', 'abc', '1e-5'];

const session = siteSession();

const quoted = (text) => `'${text.replaceAll("'", "'\\''")}'`;

// vardeln-convert once per pair, the inputs on standard input; the pairs are shared among a
// few shells so that process start-up, the only real cost, runs in parallel.
async function convertAllPairs(categories) {
  const work = mkdtempSync(join(tmpdir(), 'vardeln-pairs-'));
  const inputFile = join(work, 'inputs');
  writeFileSync(inputFile, inputs.join('\n') + '\n');
  const pairs = [];
  for (const { name, units } of categories) {
    for (const source of units) {
      for (const target of units) pairs.push({ name, source, target });
    }
  }
  const marker = '\u0001end';
  const shells = 4;
  const slices = Array.from({ length: shells }, (_, s) => pairs.filter((_, i) => i % shells === s));
  const outputs = await Promise.all(slices.map((slice) => new Promise((done, fail) => {
    const shell = spawn('sh', ['-s'], { stdio: ['pipe', 'pipe', 'inherit'] });
    let text = '';
    shell.stdout.setEncoding('utf8');
    shell.stdout.on('data', (chunk) => { text += chunk; });
    shell.on('error', fail);
    shell.on('close', () => done(text));
    for (const { name, source, target } of slice) {
      shell.stdin.write(`${quoted(convertProgram)} ${name} - ${quoted(source)} ${quoted(target)}` +
                        ` < ${quoted(inputFile)}; printf '%s\\n' '${marker}'\n`);
    }
    shell.stdin.end();
  })));
  const results = new Map();
  outputs.forEach((text, s) => {
    const blocks = text.split(`${marker}\n`);
    slices[s].forEach(({ name, source, target }, i) => {
      results.set(`${name}\t${source}\t${target}`, blocks[i].split('\n').slice(0, -1));
    });
  });
  return results;
}

// The page's result for each input: the result box, or the fault note when the arithmetic
// failed and the box kept its old text (a note in the page's plain colour names no fault).
async function pageAllPairs(page, name) {
  return page.evaluate(({ name, inputs }) => {
    const $ = (id) => document.getElementById(id);
    const set = (control, value, event) => {
      control.value = value;
      control.dispatchEvent(new Event(event, { bubbles: true }));
    };
    set($('category'), name, 'change');
    const units = [...$('inputUnit').options].map((o) => o.value);
    const results = {};
    for (const source of units) {
      set($('inputUnit'), source, 'change');
      for (const target of units) {
        set($('outputUnit'), target, 'change');
        results[`${name}\t${source}\t${target}`] = inputs.map((input) => {
          set($('inputText'), input, 'input');
          const fault = !$('faultNote').hidden && !$('faultNote').classList.contains('plain');
          return fault ? $('faultNote').textContent : $('outputText').value;
        });
      }
    }
    return { units, results };
  }, { name, inputs });
}

test('every ordered pair of every category gives the text vardeln-convert gives', async () => {
  const { page, problems } = await openSite(session.browser, session.server.url);
  const names = execFileSync(convertProgram, ['--list'], { encoding: 'utf8' }).trim().split('\n');
  assert.equal(names.length, 13);

  const categories = [];
  const inPage = new Map();
  for (const name of names) {
    const units = execFileSync(convertProgram, ['--list', name], { encoding: 'utf8' })
      .trim().split('\n');
    const shown = await pageAllPairs(page, name);
    assert.deepEqual(shown.units, units, `${name}: the page lists the same units in order`);
    categories.push({ name, units });
    for (const [key, texts] of Object.entries(shown.results)) inPage.set(key, texts);
  }
  const fromProgram = await convertAllPairs(categories);

  let compared = 0;
  const differences = [];
  for (const [key, expected] of fromProgram) {
    const actual = inPage.get(key);
    expected.forEach((text, i) => {
      ++compared;
      if (actual?.[i] !== text) {
        differences.push(`${key.replaceAll('\t', ' | ')} at "${inputs[i]}": page "${actual?.[i]}", program "${text}"`);
      }
    });
  }
  assert.equal(fromProgram.size, inPage.size);
  assert.ok(compared > 100000, `only ${compared} conversions compared`);
  assert.deepEqual(differences.slice(0, 20), [], `${differences.length} differences`);
  assert.deepEqual(problems, []);
  console.log(`# ${fromProgram.size} pairs, ${compared} conversions, all identical`);
});
