// The page's files and CSV import in headless chromium, by roles and accessible names: a data
// file dropped on the page opens, a broken one is refused in the message place with the
// document kept; a CSV import shows its per-row report before anything changes and is then one
// step to undo; Save writes back into the file opened; the title carries the file's name and "*" while edits are unsaved, leaving the
// page then asks first, and New after the question starts an empty document.
// node files_and_import.mjs WEB_DIR SITE_DIR DATA_FILE
import assert from "node:assert/strict";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { openSite } from "./browser.mjs";

const [webDir, siteDir, dataFile] = process.argv.slice(2);
const aria = (role, name) => `::-p-aria([role="${role}"][name="${name}"])`;

const site = await openSite(webDir, siteDir);
try {
  const { page } = site;
  // The File System Access API, stood in for: Open hands out a file whose writes are kept,
  // and a save picker that counts its calls.
  await page.evaluateOnNewDocument((bytes) => {
    window.written = [];
    window.savePickers = 0;
    const handle = (name) => ({
      name,
      getFile: async () => new File([new Uint8Array(bytes)], name),
      createWritable: async () => ({
        write: async (data) => window.written.push([name, new Uint8Array(data).length]),
        close: async () => {},
      }),
    });
    window.showOpenFilePicker = async () => [handle("picked.dat")];
    window.showSaveFilePicker = async () => {
      window.savePickers++;
      return handle("other.dat");
    };
  }, Array.from(fs.readFileSync(dataFile)));
  await page.goto(site.url, { waitUntil: "load" });
  await page.waitForSelector(aria("button", "New"));
  const cell = (channel, column) =>
    page.$eval(`[role=grid] [aria-rowindex="${channel + 1}"] [aria-colindex="${column + 1}"]`, (e) => e.textContent);
  const status = () => page.$eval(aria("status", "Messages"), (e) => e.textContent);
  const drop = (bytes, name) =>
    page.evaluate(
      (data, fileName) => {
        const transfer = new DataTransfer();
        transfer.items.add(new File([new Uint8Array(data)], fileName));
        document.body.dispatchEvent(new DragEvent("drop", { dataTransfer: transfer, bubbles: true, cancelable: true }));
      },
      Array.from(bytes),
      name,
    );

  // A data file dropped on the page opens; a broken one is refused and changes nothing.
  const data = fs.readFileSync(dataFile);
  await drop(data, "radio.dat");
  await page.waitForSelector(aria("gridcell", "CALL"));
  assert.match(await page.title(), / - radio\.dat$/);
  await drop(data.subarray(0, 100), "short.dat");
  await page.waitForFunction(() => document.querySelector("[role=status]").textContent !== "");
  assert.match(await status(), /short\.dat/);
  assert.equal(await cell(1, 10), "CALL");
  assert.match(await page.title(), / - radio\.dat$/);

  // A channel list dropped on the page goes to the import, which is left unused here.
  const csv = "Location,Name,Frequency\n5,NEWCH,145.6\n6,BAD,9999\n7,,abc\n";
  await drop(Buffer.from(csv), "dropped.csv");
  await (await page.waitForSelector(aria("button", "Cancel"))).click();
  await page.waitForFunction(() => !document.querySelector("dialog[open]"));
  assert.equal(await cell(5, 1), "439.98750");

  // A CSV import: the report first, then one step.
  const input = await page.$("input[type=file][accept*=csv]");
  const scratch = fs.mkdtempSync(path.join(os.tmpdir(), "talvo-csv-"));
  fs.writeFileSync(path.join(scratch, "channels.csv"), csv);
  await input.uploadFile(path.join(scratch, "channels.csv"));
  const dialog = await page.waitForSelector(aria("dialog", "Import Channels (CSV)"));
  // The page has read the file.
  fs.rmSync(scratch, { recursive: true, force: true });
  const report = await dialog.$$eval("li", (items) => items.map((i) => i.textContent));
  assert.equal(report.length, 2, report.join("\n"));
  assert.match(report[0], /^line 3: refused/);
  assert.match(report[1], /^line 4: refused/);
  const summary = await dialog.$eval(".csv-summary", (e) => e.textContent);
  assert.match(summary, /channels\.csv: 3 rows, 1 imported/);
  assert.equal(await cell(5, 1), "439.98750", "nothing changes before Import");
  await (await dialog.waitForSelector(aria("button", "Import"))).click();
  await page.waitForFunction(() => !document.querySelector("dialog[open]"));
  assert.equal(await cell(5, 1), "145.60000");
  assert.equal(await cell(5, 10), "NEWCH");
  assert.match(await page.title(), / - radio\.dat\*$/);
  await page.click(aria("button", "Undo"));
  assert.equal(await cell(5, 1), "439.98750");
  assert.match(await page.title(), / - radio\.dat$/);
  await page.click(aria("button", "Redo"));
  assert.equal(await cell(5, 10), "NEWCH");

  // Leaving with unsaved edits asks first.
  let asked = false;
  page.once("dialog", (d) => {
    asked = d.type() === "beforeunload";
    void d.dismiss();
  });
  await page.goto(`${site.url}?again`, { waitUntil: "load" }).catch(() => {});
  assert.ok(asked, "leaving with unsaved edits asks");
  assert.equal(await cell(5, 10), "NEWCH");

  // New: the unsaved edits are discarded after the question; the document starts empty.
  await page.click(aria("button", "New"));
  const question = await page.waitForSelector(aria("dialog", "Attention"));
  await (await question.waitForSelector(aria("button", "Discard"))).click();
  await page.waitForFunction(() => !document.querySelector("dialog[open]"));
  assert.equal(await cell(1, 1), "");
  assert.match(await page.title(), / - Untitled$/);

  // Open through the picker; Save (Ctrl+S) then writes back into the same file, unasked.
  await page.click(aria("button", "Open"));
  await page.waitForSelector(aria("gridcell", "CALL"));
  assert.match(await page.title(), / - picked\.dat$/);
  await page.focus(aria("gridcell", "CALL"));
  await page.keyboard.type("X");
  await page.keyboard.press("Enter");
  assert.match(await page.title(), / - picked\.dat\*$/);
  await page.keyboard.down("Control");
  await page.keyboard.press("KeyS");
  await page.keyboard.up("Control");
  await page.waitForFunction(() => window.written.length > 0);
  assert.deepEqual(await page.evaluate(() => [window.written, window.savePickers]), [[["picked.dat", 3120]], 0]);
  assert.match(await page.title(), / - picked\.dat$/);

  assert.deepEqual(site.problems, []);
  console.log("drop, refused file, CSV import report and step, title, leaving and New");
} finally {
  await site.close();
}
