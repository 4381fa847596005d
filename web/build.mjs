// Bundles the page (src/main.ts) with esbuild and puts the static site together:
// node build.mjs CORE_DIR OUT_DIR, where CORE_DIR holds talvo_core.js, talvo_core.wasm and
// catalogues.json from the WebAssembly build. Last comes the service worker (sw.js), which
// keeps every other file of the site, versioned by a hash of their contents.
import * as esbuild from "esbuild";
import crypto from "node:crypto";
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
for (const file of ["index.html", "style.css", "manifest.webmanifest"]) {
  fs.copyFileSync(path.join(here, file), path.join(outDir, file));
}
for (const file of ["talvo_core.js", "talvo_core.wasm", "catalogues.json"]) {
  fs.copyFileSync(path.join(coreDir, file), path.join(outDir, file));
}
// The program's own icon, for the installed page.
const icons = path.join(here, "../packaging/icons");
fs.copyFileSync(path.join(icons, "talvo.svg"), path.join(outDir, "icon.svg"));
fs.copyFileSync(path.join(icons, "hicolor/256x256/apps/talvo.png"), path.join(outDir, "icon-256.png"));

function filesUnder(dir, prefix = "") {
  return fs
    .readdirSync(dir, { withFileTypes: true })
    .flatMap((e) => (e.isDirectory() ? filesUnder(path.join(dir, e.name), `${prefix}${e.name}/`) : [`${prefix}${e.name}`]))
    .sort();
}
const precache = filesUnder(outDir);
const hash = crypto.createHash("sha256");
for (const file of precache) hash.update(file).update("\0").update(fs.readFileSync(path.join(outDir, file)));
await esbuild.build({
  entryPoints: [path.join(here, "src/offline/service_worker.ts")],
  bundle: true,
  format: "iife",
  target: "es2020",
  minify: true,
  outfile: path.join(outDir, "sw.js"),
  define: {
    PRECACHE: JSON.stringify(["./", ...precache]),
    VERSION: JSON.stringify(hash.digest("hex").slice(0, 16)),
  },
  logLevel: "warning",
});
