// The channel grid driven by keyboard alone in headless chromium, found by roles and accessible
// names as a screen reader finds it: a data file opened, cells edited (typing starts an entry,
// Enter and Tab end it, Escape abandons it, a list picked by its first letter), a frequency
// the band refuses told in the one message place, undo and redo, a channel copied and pasted,
// another deleted, a find, a column set on chosen channels. The saved file must be the very bytes the core gives for the same edits, and
// talvo-cli must find exactly those edits in it. The language chosen survives a reload.
// node grid_editing.mjs WEB_DIR SITE_DIR DATA_FILE TALVO_CLI TALVO_CORE_NODE_JS
import assert from "node:assert/strict";
import { spawnSync } from "node:child_process";
import fs from "node:fs";
import { createRequire } from "node:module";
import os from "node:os";
import path from "node:path";
import { openSite } from "./browser.mjs";

const [webDir, siteDir, dataFile, cli, coreJs] = process.argv.slice(2);
const original = new Uint8Array(fs.readFileSync(dataFile));
const aria = (role, name) => `::-p-aria([role="${role}"][name="${name}"])`;

// The same edits through the core itself (Node), as the expected file.
async function expectedFile() {
  const core = await createRequire(import.meta.url)(path.resolve(coreJs))();
  const doc = new core.Document();
  assert.equal(doc.open(original, "radio.dat", "en"), "");
  const all = Array.from({ length: 128 }, (_, i) => i + 1);
  assert.equal(core.commitFrequency(doc, 1, 1, "440.5", "en"), "");
  core.commitOption(doc, 1, 5, core.listEntries(5, "en").indexOf("Low"));
  core.commitName(doc, 1, "HI");
  const own = core.copyChannels(doc, [2], all);
  core.pasteChannels(doc, 30, all, own, core.channelsText(doc, [2]), "en");
  core.clearChannels(doc, [4]);
  return doc.save();
}

const site = await openSite(webDir, siteDir);
try {
  const { page, browser } = site;
  await browser
    .defaultBrowserContext()
    .overridePermissions(site.url, ["clipboard-read", "clipboard-write", "clipboard-sanitized-write"]);
  // Save As asks for a place through the File System Access API: here a stand-in keeps the
  // bytes written.
  await page.evaluateOnNewDocument(() => {
    window.showSaveFilePicker = async () => ({
      name: "edited.dat",
      getFile: async () => new File([], "edited.dat"),
      createWritable: async () => ({
        write: async (data) => {
          window.savedBytes = Array.from(new Uint8Array(data));
        },
        close: async () => {},
      }),
    });
  });
  await page.goto(site.url, { waitUntil: "load" });
  await page.waitForSelector(aria("button", "Save"));
  await (await page.$("input[type=file]")).uploadFile(dataFile);
  await page.waitForSelector(aria("gridcell", "CALL"));

  const cell = (channel, column) =>
    page.$eval(
      `[role=grid] [aria-rowindex="${channel + 1}"] [aria-colindex="${column + 1}"]`,
      (e) => e.textContent,
    );
  const status = () => page.$eval(aria("status", "Messages"), (e) => e.textContent);
  // Waits for a cell to show `text`; a failure names what it shows and what the page said.
  const waitCell = (channel, column, text) =>
    page
      .waitForFunction(
        (r, c, t) =>
          document.querySelector(`[role=grid] [aria-rowindex="${r}"] [aria-colindex="${c}"]`)?.textContent === t,
        { timeout: 10000 },
        channel + 1,
        column + 1,
        text,
      )
      .catch(async () => {
        assert.fail(`channel ${channel} column ${column}: "${await cell(channel, column)}", not "${text}"; ` +
          `message "${await status()}"; problems ${site.problems}`);
      });
  const key = (k) => page.keyboard.press(k);
  const chord = async (modifier, k) => {
    await page.keyboard.down(modifier);
    await page.keyboard.press(k);
    await page.keyboard.up(modifier);
  };

  // Channel 1: a receive frequency typed over the old one.
  await (await page.waitForSelector(aria("gridcell", "145.50000"))).focus();
  await page.keyboard.type("440.5");
  await key("Enter");
  await waitCell(1, 1, "440.50000");

  // The transmit frequency: a value outside the band is refused and told; Escape abandons.
  await key("ArrowRight");
  await page.keyboard.type("999");
  await key("Enter");
  await page.waitForFunction(() => document.querySelector("[role=status]").textContent !== "");
  assert.equal(await status(), "Beyond the scope of frequency band");
  assert.equal(await cell(1, 2), "145.50000");
  await page.keyboard.type("4");
  assert.ok(await page.$(aria("textbox", await page.$eval("[aria-colindex='3'][role=columnheader]", (e) => e.textContent))));
  await key("Escape");
  await waitCell(1, 2, "145.50000");

  // Power, picked from its list by its first letter; the name through F2 and Tab.
  await key("ArrowRight");
  await key("ArrowRight");
  await key("ArrowRight");
  await page.keyboard.type("L");
  await key("Enter");
  await waitCell(1, 5, "Low");
  await key("End");
  await key("F2");
  for (let i = 0; i < 4; i++) await key("Backspace");
  await page.keyboard.type("hi!");
  await key("Tab");
  await waitCell(1, 10, "HI");
  // Tab went on to the next row's first cell.
  assert.equal(await page.evaluate(() => document.activeElement.textContent), "146.52000");

  // Undo and redo of the name.
  await chord("Control", "KeyZ");
  await waitCell(1, 10, "CALL");
  await chord("Control", "KeyY");
  await waitCell(1, 10, "HI");

  // Channel 2 copied into the free channel 30; channel 4 deleted.
  await chord("Control", "KeyC");
  for (let i = 0; i < 28; i++) await key("ArrowDown");
  assert.equal(await page.evaluate(() => document.activeElement.closest("[role=row]").getAttribute("aria-rowindex")), "31");
  await chord("Control", "KeyV");
  await waitCell(30, 1, "146.52000");
  await page.focus(aria("gridcell", "435.00000"));
  await key("Delete");
  await waitCell(4, 1, "");

  assert.match(await page.title(), /radio\.dat\*$/);
  await page.click(aria("button", "Save"));
  await page.waitForFunction(() => window.savedBytes !== undefined);
  assert.match(await page.title(), /edited\.dat$/);
  const saved = new Uint8Array(await page.evaluate(() => window.savedBytes));
  assert.deepEqual(saved, await expectedFile(), "the saved file is the core's for the same edits");

  // talvo-cli finds exactly these edits.
  const scratch = fs.mkdtempSync(path.join(os.tmpdir(), "talvo-grid-"));
  try {
    const savedFile = path.join(scratch, "edited.dat");
    fs.writeFileSync(savedFile, saved);
    const diff = spawnSync(cli, ["diff", dataFile, savedFile, "--json"], { encoding: "utf8" });
    const changes = JSON.parse(diff.stdout).changes;
    const changed = [...new Set(changes.map((c) => c.channel))].sort((a, b) => a - b);
    assert.deepEqual(changed, [1, 4, 30], diff.stdout);
    const first = changes.filter((c) => c.channel === 1).map((c) => [c.field, c.after]);
    assert.deepEqual(
      new Map(first),
      new Map([
        ["RXFreq", "440.50000"],
        ["Power", "Low"],
        ["Channel Name", "HI"],
      ]),
    );
  } finally {
    fs.rmSync(scratch, { recursive: true, force: true });
  }

  // Find shows only the channels holding the text; Escape shows them all again.
  await page.focus(aria("gridcell", "HI"));
  await page.keyboard.down("Control");
  await page.keyboard.down("Shift");
  await key("KeyF");
  await page.keyboard.up("Shift");
  await page.keyboard.up("Control");
  await page.keyboard.type("pmr");
  const shownRows = () => page.$$eval("[role=grid] tbody tr", (rows) => rows.filter((r) => !r.hidden).length);
  await page.waitForFunction(() => document.querySelector(".find-count").textContent === "2 found");
  assert.equal(await shownRows(), 2);
  await key("Escape");
  assert.equal(await shownRows(), 128);

  // Set Power of three chosen channels at once, through its dialog.
  await page.focus(aria("gridcell", "Low"));
  await chord("Shift", "ArrowDown");
  await chord("Shift", "ArrowDown");
  await page.click(aria("button", "Set Power of Chosen Channels…"));
  const setDialog = await page.waitForSelector(aria("dialog", "Set Power of Chosen Channels"));
  await (await setDialog.waitForSelector(aria("combobox", "Power"))).select("2");
  await key("Enter");
  for (const channel of [1, 2, 3]) await waitCell(channel, 5, "Middle");
  await chord("Control", "KeyZ");
  await waitCell(2, 5, "High");

  // The language: switched live, and still chosen after a reload.
  const language = await page.waitForSelector(aria("combobox", "Language Select"));
  await language.select("es");
  await page.waitForSelector(aria("button", "Guardar como"));
  // The edits since the save are left behind: the page asks, the test leaves.
  page.on("dialog", (d) => void d.accept());
  await page.reload({ waitUntil: "load" });
  await page.waitForSelector(aria("button", "Guardar como"));
  assert.equal(await page.$eval("#language", (e) => e.value), "es");
  assert.equal(await cell(1, 10), "", "a fresh page");

  assert.deepEqual(site.problems, []);
  console.log("grid edits by keyboard, refusal, undo and redo, copy and paste, save and language");
} finally {
  await site.close();
}
