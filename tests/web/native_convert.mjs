// Vardeln — MIT licence, see LICENSE.
// What the native vardeln-convert says, for expectations derived from the engine instead of
// written into the tests.
import { execFileSync, spawnSync } from 'node:child_process';
import { convertProgram } from './test_setup.mjs';

// The result text for one input, "Invalid Number", or the fault's name ("Overflow"); the exit
// status tells these apart and is not needed here.
export function converted(category, input, source, target) {
  const run = spawnSync(convertProgram, [category, '-', source, target],
                        { input: input + '\n', encoding: 'utf8' });
  if (run.status > 3) throw new Error(`vardeln-convert failed: ${run.stderr}`);
  return run.stdout.replace(/\n$/, '');
}

export function unitsOf(category) {
  return execFileSync(convertProgram, ['--list', category], { encoding: 'utf8' }).trim().split('\n');
}

// The version the native program reports, which the page's texts must carry too.
export const nativeVersion =
  execFileSync(convertProgram, ['--version'], { encoding: 'utf8' }).trim().split(' ')[1];
