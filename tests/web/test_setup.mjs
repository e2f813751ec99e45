// Vardeln — MIT licence, see LICENSE.
// Where the tests find the built site and the native vardeln-convert: from the environment
// CTest sets, else the build folders CMakePresets.json gives the web and the normal build.
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { webDir } from './browser.mjs';

const root = join(webDir, '..');
const configurePresets = JSON.parse(readFileSync(join(root, 'CMakePresets.json'), 'utf8')).configurePresets;

// A configure preset's binaryDir: its own, else the first one it inherits.
function binaryDir(name) {
  const preset = configurePresets.find((candidate) => candidate.name === name);
  return preset.binaryDir ?? binaryDir([preset.inherits].flat()[0]);
}

export const presetFolder = (name) =>
  binaryDir(name).replaceAll('${sourceDir}', root).replaceAll('${presetName}', name);

export const siteDir = process.env.VARDELN_SITE ?? join(presetFolder('web'), 'web', 'site');
export const convertProgram =
  process.env.VARDELN_CONVERT ?? join(presetFolder('default'), 'cli', 'vardeln-convert');
