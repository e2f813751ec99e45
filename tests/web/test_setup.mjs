// Vardeln — MIT licence, see LICENSE.
// Where the tests find the built site and the native vardeln-convert: from the environment
// CTest sets, else the usual build folders.
import { join } from 'node:path';
import { webDir } from './browser.mjs';

const root = join(webDir, '..');
export const siteDir = process.env.VARDELN_SITE ?? join(root, 'build-web', 'site');
export const convertProgram =
  process.env.VARDELN_CONVERT ?? join(root, 'build-webnative', 'cli', 'vardeln-convert');
