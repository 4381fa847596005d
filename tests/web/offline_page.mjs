// Offline and installable: chromium finds the page installable; the first visit keeps every
// file of the site in one cache named by the site's content hash; with the network gone, a
// reload still loads the page, which opens the data file it is handed as an installed page is
// and shows its channels; the manifest names the page, its icon and its .dat file handler; a new version of the site replaces the cache and says so; and no request ever goes
// to another host.
// node offline_page.mjs WEB_DIR SITE_DIR CORE_NODE_JS CATALOGUES_JSON DATA_FILE
import assert from "node:assert/strict";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { openSite } from "./browser.mjs";
import { control, loadCore, statusSays } from "./page_support.mjs";

const [webDir, builtSite, corePath, cataloguesPath, dataFile] = process.argv.slice(2);
const core = await loadCore(corePath, cataloguesPath);
// A copy, so a new version of it can be made.
const siteDir = fs.mkdtempSync(path.join(os.tmpdir(), "talvo-site-"));
fs.cpSync(builtSite, siteDir, { recursive: true });
const site = await openSite(webDir, siteDir);
try {
  const { page } = site;
  await page.goto(site.url, { waitUntil: "load" });
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);

  const kept = await page.evaluate(async () => {
    const names = await caches.keys();
    const cache = await caches.open(names[0]);
    const files = (await cache.keys()).map((r) => new URL(r.url).pathname.slice(1));
    return { names, files };
  });
  const site_files = fs.readdirSync(siteDir).filter((f) => f !== "sw.js");
  assert.equal(kept.names.length, 1, `one cache: ${kept.names}`);
  assert.match(kept.names[0], /^talvo-[0-9a-f]{16}$/, "named by the content hash");
  assert.deepEqual([...kept.files].filter((f) => f !== "").sort(), site_files.sort(), "every file is kept");

  const manifest = JSON.parse(fs.readFileSync(path.join(siteDir, "manifest.webmanifest"), "utf8"));
  assert.equal(manifest.display, "standalone");
  assert.ok(manifest.icons.every((i) => site_files.includes(i.src)), "the icons are in the site");
  assert.deepEqual(manifest.file_handlers[0].accept["application/octet-stream"], [".dat"]);
  const cdp = await page.createCDPSession();
  const read = await cdp.send("Page.getAppManifest");
  assert.equal(read.url, new URL("manifest.webmanifest", site.url).href);
  assert.deepEqual(read.errors, [], "the manifest reads without errors");
  const { installabilityErrors } = await cdp.send("Page.getInstallabilityErrors");
  assert.deepEqual(installabilityErrors, [], "chromium would install the page");

  // Offline, the page opens the file the system hands an installed page (a stand-in for the
  // browser's launch queue, the way the file handler delivers it).
  await page.evaluateOnNewDocument(() => {
    const queue = { setConsumer: (consumer) => (window.launchConsumer = consumer) };
    Object.defineProperty(window, "launchQueue", { value: queue, configurable: true });
  });
  await page.setOfflineMode(true);
  await page.reload({ waitUntil: "load" });
  await control(page, "button", "Optional Features");
  await page.waitForFunction(() => window.launchConsumer !== undefined);
  await page.evaluate(
    (bytes, name) => window.launchConsumer({ files: [{ getFile: async () => new File([new Uint8Array(bytes)], name) }] }),
    [...fs.readFileSync(dataFile)],
    path.basename(dataFile),
  );
  await page.waitForFunction(() => document.querySelector("[role=grid] [aria-rowindex='2'] [aria-colindex='2']")?.textContent !== "");

  // A new version: the service worker names another cache, which replaces the old one.
  await page.setOfflineMode(false);
  const worker = path.join(siteDir, "sw.js");
  const version = kept.names[0].slice("talvo-".length);
  fs.writeFileSync(worker, fs.readFileSync(worker, "utf8").replace(version, "0123456789abcdef"));
  await page.evaluate(() => navigator.serviceWorker.getRegistration().then((r) => r.update()));
  await page.waitForFunction(async () => (await caches.keys()).join() === "talvo-0123456789abcdef");
  await statusSays(page, core.settingsTexts("en").updated);
  assert.deepEqual(site.problems, []);
  console.log("the page is kept whole, works offline and takes a new version");
} finally {
  await site.close();
  fs.rmSync(siteDir, { recursive: true, force: true });
}
