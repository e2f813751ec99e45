// Vardeln — MIT licence, see LICENSE.
// The table of user scenarios (tests/model/converter_scenarios.tsv), read for the page's driver as
// the C++ drivers read it.
import { readFileSync } from 'node:fs';

const tablePath = new URL('../model/converter_scenarios.tsv', import.meta.url);

// \n \r \t \\ as escapes; c\*N as the character c N times.
export function unescapeText(text) {
  return text.replace(/(.)\\\*(\d+)|\\(.)/gsu, (match, repeated, count, escaped) => {
    if (repeated !== undefined) return repeated.repeat(Number(count));
    return { n: '\n', r: '\r', t: '\t' }[escaped] ?? escaped;
  });
}

export function readScenarios() {
  return readFileSync(tablePath, 'utf8').split('\n')
    .filter((line) => line !== '' && !line.startsWith('#'))
    .map((line) => {
      const [name, commands, number, result, note, stale, copy] = line.split('\t');
      return {
        name,
        commands: commands === '' ? [] : commands.split('; ').map((command) => {
          const blank = command.indexOf(' ');
          return blank < 0 ? { verb: command }
                           : { verb: command.slice(0, blank), text: unescapeText(command.slice(blank + 1)) };
        }),
        number: unescapeText(number), result: unescapeText(result), note, stale, copy: unescapeText(copy),
      };
    });
}
