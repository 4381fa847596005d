// The printout as a printable page: in every language, after an edit made on the page, its
// pages, titles, headings, rows and channel table are the core's printout, and every text of it
// is in the PDF talvo-cli print makes of the page's saved file (the desktop's printout); printing
// (or saving as PDF) prints the printout alone, one sheet per page of it at least.
// node print_page.mjs WEB_DIR SITE_DIR CORE_NODE_JS CATALOGUES_JSON DATA_FILE [TALVO_CLI]
import assert from "node:assert/strict";
import { spawnSync } from "node:child_process";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { openSite } from "./browser.mjs";
import { control, keys, loadCore, openDataFile, openInCore, savedBytes } from "./page_support.mjs";

const [webDir, siteDir, corePath, cataloguesPath, dataFile, cli] = process.argv.slice(2);
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), "talvo-print-"));
process.on("exit", () => fs.rmSync(scratch, { recursive: true, force: true }));
const pdftotext = spawnSync("pdftotext", ["-v"]).error ? null : "pdftotext";

// Text as compared with a PDF's: blanks left out (the PDF sets its own), ligatures ("ﬀ") and
// other compatibility forms as plain letters.
const bare = (text) => text.normalize("NFKC").replace(/\s+/g, "");

// The desktop's printout of `file` in `lang` as text.
function desktopPrintout(file, lang) {
  const pdf = path.join(scratch, `${lang}.pdf`);
  const run = spawnSync(cli, ["print", file, "--pdf", pdf, "--lang", lang], { encoding: "utf8" });
  assert.equal(run.status, 0, run.stderr);
  return bare(spawnSync(pdftotext, [pdf, "-"], { encoding: "utf8" }).stdout);
}
const core = await loadCore(corePath, cataloguesPath);
const want = openInCore(core, dataFile);
const plain = (words) => words.replace(/\(&.\)/, "").replace("&", "");

// The printout as the page shows it, in the core's terms.
function shownPrintout() {
  const out = [];
  let grid = null;
  for (const page of document.querySelectorAll("#print-window .print-page")) {
    out.push({ kind: "newPage", text: "", value: "" });
    for (const e of page.children) {
      if (e.matches(".print-title")) out.push({ kind: "title", text: e.textContent, value: "" });
      else if (e.matches(".print-heading")) out.push({ kind: "heading", text: e.textContent, value: "" });
      else if (e.matches(".print-line")) out.push({ kind: "lineFeed", text: "", value: "" });
      else if (e.matches(".print-rows"))
        for (const row of e.rows) out.push({ kind: "row", text: row.cells[0].textContent, value: row.cells[1].textContent });
      else if (e.matches(".print-grid")) {
        out.push({ kind: "grid", text: e.caption.textContent, value: "" });
        const cells = (row) => [...row.cells].map((c) => c.textContent);
        grid = { header: cells(e.tHead.rows[0]), rows: [...e.tBodies[0].rows].map(cells) };
      }
    }
  }
  return { elements: out, grid };
}

const site = await openSite(webDir, siteDir);
try {
  const { page } = site;
  await page.goto(site.url, { waitUntil: "load" });
  await openDataFile(page, dataFile);

  // An edit on the page shows in the printout.
  const squelch = core.optionFields("en").find((f) => f.name === "SquelchLevel");
  await keys(page, await control(page, "button", "Optional Features"), ["Enter"]);
  await keys(page, await control(page, "combobox", squelch.caption), "2", ["Escape"]);
  core.setOptionList(want, squelch.id, squelch.entries.indexOf("2"));
  const savedFile = path.join(scratch, "saved.dat");
  fs.writeFileSync(savedFile, await savedBytes(page));

  for (const lang of core.languages()) {
    const language = await page.waitForSelector("#language");
    await language.select(lang);
    await keys(page, await control(page, "button", plain(core.words("MainTexts", "Print(&P)", lang))), ["Enter"]);
    await control(page, "dialog", core.words("PrintPreviewWindow", "Print preview", lang));
    const shown = await page.evaluate(shownPrintout);
    const grid = core.printoutGrid(want, lang);
    assert.deepEqual(shown.elements, core.printout(want, lang), `the printout in ${lang}`);
    assert.deepEqual(shown.grid, { header: grid.header, rows: grid.rows }, `the channel table in ${lang}`);
    if (cli && pdftotext) {
      const desktop = desktopPrintout(savedFile, lang);
      // A row's caption and value side by side; the channel table cell by cell.
      const texts = [...shown.elements.map((e) => e.text + e.value), ...shown.grid.header, ...shown.grid.rows.flat()];
      const missing = texts.map(bare).filter((t) => !desktop.includes(t));
      assert.deepEqual(missing, [], `texts of the page's printout the desktop's lacks (${lang})`);
    }
    await page.keyboard.press("Escape");
  }

  // Printing shows the printout alone; each of its pages starts a sheet.
  await (await page.waitForSelector("#language")).select("en");
  await keys(page, await control(page, "button", "Print"), ["Enter"]);
  await control(page, "dialog", "Print preview");
  await page.emulateMediaType("print");
  const visible = (selector) => page.$eval(selector, (e) => e.getClientRects().length > 0);
  assert.equal(await visible("#channels"), false, "the channel grid is not printed");
  assert.equal(await visible(".settings-bar"), false);
  assert.equal(await visible(".printout"), true);
  const pdf = Buffer.from(await page.pdf()).toString("latin1");
  const sheets = pdf.match(/\/Type\s*\/Page\b/g)?.length ?? 0;
  const pages = core.printout(want, "en").filter((e) => e.kind === "newPage").length;
  assert.ok(sheets >= pages, `${sheets} sheets for ${pages} pages of printout`);
  assert.deepEqual(site.problems, []);
  console.log("the printable page holds the core's printout in every language");
} finally {
  await site.close();
  want.delete();
}
