// Vardeln — MIT licence, see LICENSE.
// Writes the page from its template with its version, stylesheet, script and header icon
// inside, and the digests of stylesheet and script in the page's content security policy: the
// whole page arrives in one response, asks for nothing before its first conversion, and
// nothing else may run in it.
//   node assemble_page.mjs <template> <version> <style.css> <script.js> <icon.svg> <page.html>
import { createHash } from 'node:crypto';
import { readFileSync, writeFileSync } from 'node:fs';

const [templatePath, version, stylePath, scriptPath, iconPath, pagePath] = process.argv.slice(2);
const style = readFileSync(stylePath, 'utf8');
const script = readFileSync(scriptPath, 'utf8');
const iconFile = readFileSync(iconPath, 'utf8');
const icon = iconFile.slice(iconFile.indexOf('<svg')).trim();  // the element, without prolog

// Text that would end its element early cannot be put inside it.
for (const [text, end] of [[style, '</style'], [script, '</script']]) {
  if (text.toLowerCase().includes(end)) {
    throw new Error(`${end}> inside the text to put in the page`);
  }
}

const digest = (text) => `sha256-${createHash('sha256').update(text, 'utf8').digest('base64')}`;
const values = {
  version,
  page_style: style,
  page_script: script,
  header_icon: icon,
  style_digest: digest(style),
  script_digest: digest(script),
};
const page = readFileSync(templatePath, 'utf8').replace(/@(\w+)@/g, (marker, name) => {
  if (!(name in values)) throw new Error(`unknown marker ${marker} in ${templatePath}`);
  return values[name];
});
writeFileSync(pagePath, page);
