// Bundles the page (src/main.ts) with esbuild and puts the static site together:
// node build.mjs CORE_DIR OUT_DIR, where CORE_DIR holds talvo_core.js, talvo_core.wasm and
// catalogues.json from the WebAssembly build.
import * as esbuild from "esbuild";
import fs from "node:fs";
import path from "node:path";
import { fileURLToPath } from "node:url";

const here = path.dirname(fileURLToPath(import.meta.url));
const [coreDir, outDir] = process.argv.slice(2);
if (!outDir) {
  console.error("usage: node build.mjs CORE_DIR OUT_DIR");
  process.exit(2);
}
fs.rmSync(outDir, { recursive: true, force: true });
fs.mkdirSync(outDir, { recursive: true });
await esbuild.build({
  entryPoints: [path.join(here, "src/main.ts")],
  bundle: true,
  format: "esm",
  target: "es2020",
  minify: true,
  sourcemap: true,
  outfile: path.join(outDir, "app.js"),
  logLevel: "warning",
});
for (const file of ["index.html", "style.css"]) {
  fs.copyFileSync(path.join(here, file), path.join(outDir, file));
}
for (const file of ["talvo_core.js", "talvo_core.wasm", "catalogues.json"]) {
  fs.copyFileSync(path.join(coreDir, file), path.join(outDir, file));
}
