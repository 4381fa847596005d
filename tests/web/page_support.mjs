// What the settings, print and offline tests share: the core under Node (the same binding the
// page runs), controls found by role and accessible name, a data file opened through the page's
// file input, and the file the page's Save gives.
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { createRequire } from "node:module";

export async function loadCore(corePath, cataloguesPath) {
  const core = await createRequire(import.meta.url)(path.resolve(corePath))();
  // The module rethrows any failure from its own handlers, printing itself whole: Node's own
  // report is the readable one.
  process.removeAllListeners("unhandledRejection");
  process.removeAllListeners("uncaughtException");
  const catalogues = JSON.parse(fs.readFileSync(cataloguesPath, "utf8"));
  for (const [code, entries] of Object.entries(catalogues)) core.addCatalogue(code, entries);
  return core;
}

// A document of the Node core holding `dataFile`.
export function openInCore(core, dataFile) {
  const doc = new core.Document();
  const failure = doc.open(new Uint8Array(fs.readFileSync(dataFile)), path.basename(dataFile), "en");
  if (failure) throw new Error(failure);
  return doc;
}

const quote = (s) => JSON.stringify(s);
export const aria = (role, name) => `::-p-aria([role=${quote(role)}][name=${quote(name)}])`;

// The control of `role` named `name` (inside `within` when given), once it is there.
export function control(page, role, name, within) {
  return (within ?? page).waitForSelector(aria(role, name));
}

// Focuses the control and gives it keys: strings are typed, arrays pressed one after another.
export async function keys(page, handle, ...strokes) {
  await handle.focus();
  for (const s of strokes) {
    if (Array.isArray(s)) for (const key of s) await page.keyboard.press(key);
    else await page.keyboard.type(s);
  }
}

// Replaces a text field's text by typing, as a person would after selecting it all.
export async function retype(page, handle, text, ...after) {
  await handle.focus();
  await page.keyboard.down("Control");
  await page.keyboard.press("KeyA");
  await page.keyboard.up("Control");
  await page.keyboard.press("Backspace");
  await page.keyboard.type(text);
  for (const key of after) await page.keyboard.press(key);
}

export async function openDataFile(page, dataFile) {
  const input = await page.waitForSelector("input[type=file]");
  await input.uploadFile(dataFile);
  await page.waitForFunction((name) => document.title.includes(name), {}, path.basename(dataFile));
}

// The bytes the page's Save button downloads.
export async function savedBytes(page) {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), "talvo-save-"));
  try {
    const cdp = await page.createCDPSession();
    await cdp.send("Browser.setDownloadBehavior", { behavior: "allow", downloadPath: dir });
    // Without the browser's save picker, Save downloads the file.
    await page.evaluate(() => {
      window.showSaveFilePicker = undefined;
    });
    await (await control(page, "button", "Save")).click();
    const done = () => fs.readdirSync(dir).filter((f) => !f.endsWith(".crdownload"));
    while (done().length === 0) await new Promise((r) => setTimeout(r, 50));
    return new Uint8Array(fs.readFileSync(path.join(dir, done()[0])));
  } finally {
    fs.rmSync(dir, { recursive: true, force: true });
  }
}

// The status region's text once it reads `words`.
export async function statusSays(page, words) {
  try {
    await page.waitForFunction((w) => document.querySelector("[role=status]")?.textContent === w, {}, words);
  } catch (e) {
    const said = await page.$eval("[role=status]", (s) => s.textContent);
    throw new Error(`the status says ${JSON.stringify(said)}, not ${JSON.stringify(words)}`);
  }
}
