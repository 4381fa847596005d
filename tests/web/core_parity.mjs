// The browser's core (WebAssembly, under Node) against talvo-cli on random images and the
// repository's .dat files: the same open failures in the same words, the same decode JSON, the
// same saved file, the same CSV export and notes, the same image after decode and encode, and
// grid cells that agree with the JSON.
//
// usage: node core_parity.mjs TALVO_CORE_NODE_JS CATALOGUES_JSON TALVO_CLI [DIR...]
// TALVO_PARITY_SEED repeats a run (its seed is printed); TALVO_PARITY_CASES sets how many
// random files are tried (default 150).
import { spawnSync } from "node:child_process";
import fs from "node:fs";
import { createRequire } from "node:module";
import os from "node:os";
import path from "node:path";
import { seededRandom } from "./seeded_random.mjs";

const [corePath, cataloguesPath, cli, ...dirs] = process.argv.slice(2);
if (!cli) {
  console.error("usage: node core_parity.mjs TALVO_CORE_NODE_JS CATALOGUES_JSON TALVO_CLI [DIR...]");
  process.exit(2);
}
const randomCases = Number(process.env.TALVO_PARITY_CASES ?? 150);
const { random, below, pick } = seededRandom("TALVO_PARITY_SEED");

const IMAGE = 3072;
const HEADER = 48;
const FILE = HEADER + IMAGE;

const core = await createRequire(import.meta.url)(path.resolve(corePath))();
const catalogues = JSON.parse(fs.readFileSync(cataloguesPath, "utf8"));
for (const [code, entries] of Object.entries(catalogues)) core.addCatalogue(code, entries);
const languages = ["en", ...Object.keys(catalogues)];

function fixtureFiles(dir) {
  const found = [];
  for (const entry of fs.readdirSync(dir, { withFileTypes: true })) {
    const full = path.join(dir, entry.name);
    if (entry.isDirectory()) found.push(...fixtureFiles(full));
    else if (entry.name.endsWith(".dat")) found.push(full);
  }
  return found;
}
const fixtures = dirs.flatMap(fixtureFiles).sort();
const fixtureBytes = fixtures.map((f) => new Uint8Array(fs.readFileSync(f)));

function header() {
  const bytes = new Uint8Array(HEADER).fill(0xff);
  bytes.set([..."QDF-7K"].map((c) => c.charCodeAt(0)), 0);
  bytes.set([..."V0100"].map((c) => c.charCodeAt(0)), 10);
  return bytes;
}
function dataFile(image) {
  const bytes = new Uint8Array(FILE);
  bytes.set(header(), 0);
  bytes.set(image, HEADER);
  return bytes;
}
function randomBytes(n) {
  const bytes = new Uint8Array(n);
  for (let i = 0; i < n; i++) bytes[i] = below(256);
  return bytes;
}

// Images a radio or an older program could leave, and damaged ones: wholly random; erased
// (0xFF) with random channel-sized records; a repository file with a few bytes changed.
function randomImage() {
  const kind = below(3);
  if (kind === 0 || fixtureBytes.length === 0) return randomBytes(IMAGE);
  if (kind === 1) {
    const image = new Uint8Array(IMAGE).fill(0xff);
    for (let n = below(40); n > 0; n--) image.set(randomBytes(16), 16 * below(IMAGE / 16));
    return image;
  }
  const base = pick(fixtureBytes);
  const image = base.length >= FILE ? base.slice(HEADER, FILE) : randomBytes(IMAGE);
  for (let n = 1 + below(64); n > 0; n--) {
    image[below(IMAGE)] = pick([0x00, 0xff, below(256), below(256)]);
  }
  return image;
}

// Whole files: mostly valid, some with a wrong signature, cut short or with bytes after the image.
function randomFile() {
  const file = dataFile(randomImage());
  switch (below(10)) {
    case 0:
      return file.slice(0, below(FILE));
    case 1:
      file[below(6)] ^= 1 + below(255);
      return file;
    case 2: {
      const longer = new Uint8Array(FILE + 1 + below(100));
      longer.set(file, 0);
      longer.set(randomBytes(longer.length - FILE), FILE);
      return longer;
    }
    default:
      return file;
  }
}

const scratch = fs.mkdtempSync(path.join(os.tmpdir(), "talvo-parity-"));
process.on("exit", () => fs.rmSync(scratch, { recursive: true, force: true }));
const env = { ...process.env };
delete env.TALVO_LANG;

function runCli(args) {
  const run = spawnSync(cli, args, { env, encoding: "utf8" });
  if (run.error || run.status === null) throw run.error ?? new Error(`talvo-cli ${args[0]}: ${run.signal}`);
  return run;
}

const failures = [];
function expectEqual(what, got, want, label) {
  const same =
    got instanceof Uint8Array
      ? got.length === want.length && got.every((b, i) => b === want[i])
      : JSON.stringify(got) === JSON.stringify(want);
  if (!same) {
    const show = (v) => (v instanceof Uint8Array ? `${v.length} bytes` : JSON.stringify(v).slice(0, 400));
    failures.push(`${label}: ${what} differs\n  wasm: ${show(got)}\n  cli:  ${show(want)}`);
  }
  return same;
}

// The grid's cells as the JSON has them: a free channel (no receive frequency) shows only its
// name; list columns 3..9 are the JSON's OptionText rows 0..6.
function expectCellsMatch(doc, json, lang, label) {
  const decoded = JSON.parse(json);
  for (let r = 0; r < core.channelCount(); r++) {
    const free = decoded.FreqText[0][r] === "";
    const want = [String(r + 1)];
    want.push(free ? "" : decoded.FreqText[0][r], free ? "" : decoded.FreqText[1][r]);
    for (let row = 0; row < 7; row++) want.push(free ? "" : decoded.OptionText[row][r]);
    want.push(decoded.ChannelName[r]);
    const got = want.map((_, c) => doc.cell(r, c, lang));
    if (!expectEqual(`row ${r + 1} cells`, got, want, label)) return;
  }
}

let checked = 0;
function check(bytes, label, lang) {
  const file = path.join(scratch, `case ${checked}.dat`);
  const saved = path.join(scratch, `saved ${checked}.dat`);
  const csvFile = path.join(scratch, `export ${checked}.csv`);
  checked++;
  fs.writeFileSync(file, bytes);
  label = `${label} [${lang}]`;

  const doc = new core.Document();
  try {
    const failure = doc.open(bytes, file, lang);
    const decoded = runCli(["decode", file, "--lang", lang]);
    if (decoded.status !== 0) {
      expectEqual("open failure", failure, decoded.stderr.replace(/^talvo-cli: /, "").replace(/\n$/, ""), label);
      return;
    }
    if (!expectEqual("open failure", failure, "", label)) return;
    const json = doc.json(lang);
    expectEqual("decode JSON", json, decoded.stdout, label);
    expectCellsMatch(doc, json, lang, label);

    runCli(["resave", file, saved, "--lang", lang]);
    const want = new Uint8Array(fs.readFileSync(saved));
    expectEqual("saved file", doc.save(), want, label);

    const exported = runCli(["export-csv", file, csvFile, "--lang", lang]);
    expectEqual("CSV", doc.csv(), fs.readFileSync(csvFile, "utf8"), label);
    const notes = exported.stderr.split("\n").filter((l) => l).map((l) => l.replace(/^talvo-cli export-csv: /, ""));
    expectEqual("CSV notes", doc.csvNotes(lang), notes, label);

    // The image alone, decoded and encoded without a file, gives the saved file's image.
    const image = new core.Document();
    try {
      image.decodeImage(bytes.slice(HEADER, FILE));
      expectEqual("encoded image", image.encodeImage(), want.slice(HEADER), label);
    } finally {
      image.delete();
    }
  } finally {
    doc.delete();
  }
}

for (const [i, f] of fixtures.entries()) {
  for (const lang of languages) check(fixtureBytes[i], path.basename(f), lang);
}
for (let i = 0; i < randomCases; i++) check(randomFile(), `random file ${i}`, pick(languages));

if (failures.length > 0) {
  console.error(failures.slice(0, 10).join("\n"));
  console.error(`${failures.length} differences in ${checked} files (seed ${seed})`);
  process.exit(1);
}
console.log(`${checked} files: the WebAssembly core and talvo-cli agree`);
