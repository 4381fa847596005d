// The built page in headless chromium, as a screen reader meets it: it loads with no error and
// no request to another host, opens a data file through its file input, and shows the channels
// as an ARIA grid whose column headers and cells carry the core's words.
// node page_opens.mjs WEB_DIR SITE_DIR DATA_FILE
import assert from "node:assert/strict";
import { openSite } from "./browser.mjs";

const [webDir, siteDir, dataFile] = process.argv.slice(2);
const site = await openSite(webDir, siteDir);
try {
  const { page } = site;
  await page.goto(site.url, { waitUntil: "load" });
  await page.waitForSelector("::-p-aria([role=\"button\"][name=\"Save\"])");
  const input = await page.$("input[type=file]");
  await input.uploadFile(dataFile);
  const grid = await page.waitForSelector("::-p-aria([role=\"grid\"])");
  await page.waitForFunction(() => document.querySelectorAll("[role=row]").length > 1);
  const headers = await grid.$$eval("[role=columnheader]", (h) => h.map((e) => e.textContent));
  assert.ok(headers.length >= 11, `column headers: ${headers}`);
  const rows = await grid.$$eval("[role=row]", (r) => r.length);
  assert.equal(rows, 129, "a header row and 128 channels");
  assert.deepEqual(site.problems, []);
  console.log("page opens a data file and shows its grid");
} finally {
  await site.close();
}
