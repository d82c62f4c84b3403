// Reads Tintora's Tailwind theme, Sass and Less files and design tokens with the real tools and
// checks that every colour comes out with its own value under its name.
//   node check.mjs <tailwind.css> <palette.scss> <palette.less> <palette.tokens.json> <rrggbb>...
import { readFileSync } from "node:fs";
import { compile } from "tailwindcss";
import * as sass from "sass";
import less from "less";
import { parse, defineConfig, Logger } from "@terrazzo/parser";
import StyleDictionary from "style-dictionary";
import { mkdtempSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { pathToFileURL } from "node:url";

const [tailwindFile, scssFile, lessFile, tokensFile, ...expected] = process.argv.slice(2);
const want = expected.map((hex) => "#" + hex.toLowerCase());
let failures = 0;
function check(ok, what) {
  if (!ok) {
    console.error("FAIL: " + what);
    failures++;
  }
}
// The names a file declares, in order: "--color-<name>:", "$<name>:", "@<name>:".
function names(text, pattern) {
  return [...text.matchAll(pattern)].map((m) => m[1]);
}

// Tailwind v4: the theme compiled with its utilities, one bg- utility asked for per colour.
const theme = readFileSync(tailwindFile, "utf8");
const twNames = names(theme, /^\s*--color-([^:\s]+):/gm);
check(twNames.length === want.length, `the theme declares ${twNames.length} colours, not ${want.length}`);
const compiler = await compile(theme + "\n@tailwind utilities;\n", {
  base: process.cwd(),
  loadStylesheet: async () => ({ content: "", base: process.cwd() }),
});
const built = compiler.build(twNames.map((n) => "bg-" + n));
twNames.forEach((name, i) => {
  const escaped = name.replace(/[^a-zA-Z0-9_-]/g, (c) => "\\" + c);
  check(built.includes(`.bg-${name} {`) || built.includes(`.bg-${escaped} {`), `Tailwind made no bg-${name}`);
  check(built.includes(`--color-${name}: ${want[i]};`), `Tailwind's --color-${name} is not ${want[i]}`);
});

// Sass: each variable and the map's entry for it, written out as properties.
const scss = readFileSync(scssFile, "utf8");
const sassNames = names(scss, /^\$([^:\s]+):\s*#/gm);
const mapName = names(scss, /^\$([^:\s]+):\s*\(/gm)[0];
check(sassNames.length === want.length, `the Sass file declares ${sassNames.length} colours, not ${want.length}`);
const sassRules = sassNames
  .map((n, i) => `.c${i} { a: $${n}; b: map.get($${mapName}, "${n}"); }`)
  .join("\n");
const sassOut = sass.compileString(`@use "sass:map";\n${scss}\n${sassRules}`).css;
sassNames.forEach((name, i) => {
  check(sassOut.includes(`.c${i} {\n  a: ${want[i]};\n  b: ${want[i]};\n}`), `Sass's $${name} is not ${want[i]}`);
});

// Less: each variable written out as a property.
const lessText = readFileSync(lessFile, "utf8");
const lessNames = names(lessText, /^@([^:\s]+):/gm);
check(lessNames.length === want.length, `the Less file declares ${lessNames.length} colours, not ${want.length}`);
const lessOut = (await less.render(lessText + lessNames.map((n, i) => `.c${i} { a: @${n}; }`).join("\n"))).css;
lessNames.forEach((name, i) => {
  check(lessOut.includes(`.c${i} {\n  a: ${want[i]};\n}`), `Less's @${name} is not ${want[i]}`);
});

// Design tokens: Terrazzo's parser with its default lint rules, not a warning; each token's hex.
const logger = new Logger({ level: "warn" });
const { tokens } = await parse([{ src: readFileSync(tokensFile, "utf8"), filename: pathToFileURL(tokensFile) }], {
  config: defineConfig({}, { cwd: pathToFileURL(process.cwd() + "/") }),
  logger,
});
check(logger.stats().errorCount === 0 && logger.stats().warnCount === 0, "Terrazzo's lint rules found fault");
const terrazzoHexes = Object.values(tokens).map((t) => t.$value.hex).sort();
check(JSON.stringify(terrazzoHexes) === JSON.stringify([...want].sort()), `Terrazzo read ${terrazzoHexes}`);

// Style Dictionary builds CSS variables from them, in the file's order.
const out = mkdtempSync(join(tmpdir(), "tintora-sd-"));
const dictionary = new StyleDictionary({
  source: [tokensFile],
  log: { verbosity: "silent" },
  platforms: { css: { transformGroup: "css", buildPath: out + "/", files: [{ destination: "vars.css", format: "css/variables" }] } },
});
await dictionary.buildAllPlatforms();
const variables = [...readFileSync(join(out, "vars.css"), "utf8").matchAll(/^\s*--[^:]+: (#[0-9a-f]{6});/gm)].map((m) => m[1]);
check(JSON.stringify(variables) === JSON.stringify(want), `Style Dictionary made ${variables}`);

if (failures) process.exit(1);
console.log(`design tools: ${want.length} colours read back by Tailwind, Sass, Less, Terrazzo and Style Dictionary`);
