// Reading and writing the radio from the page, end to end: headless chromium with a stand-in for
// navigator.serial whose bytes go over a local WebSocket to the virtual radio on a
// pseudo-terminal, paced at 9600 baud. Against a radio with each behaviour the exchange leaves
// open (answering every "E" or not, late answers), a read gives the document talvo-cli read gives,
// and a checked write of another data file leaves the radio holding what talvo-cli write leaves;
// so does the plain write. The backups are listed, saved as data files and written back, also
// when a write breaks off. A pulled cable, a stray byte, a silent radio and Cancel leave the
// document as it was; a port that will not open is explained; the chooser offers the cable chips
// or every port; a browser without Web Serial says so. The page is driven by roles and names.
// node transfer.mjs WEB_DIR SITE_DIR TALVO_CLI TALVO_RADIO_SIM OTHER_DATA_FILE
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { openSite } from "./browser.mjs";
import { serialStandIn, startBridge, startSim } from "./serial_stand_in.mjs";

const [webDir, siteDir, cli, simPath, otherFile] = process.argv.slice(2);
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), "talvo-web-transfer-"));
const file = (name) => path.join(scratch, name);
const env = { ...process.env, XDG_DATA_HOME: file("data") };
const talvo = (...args) => execFileSync(cli, args, { env, stdio: ["ignore", "pipe", "pipe"] });

// What talvo-cli leaves in a virtual radio that starts as `load` (the built-in sample when
// null): the whole raw memory after `command` with its arguments.
async function cliRadio(load, command, ...args) {
  const raw = file(`cli-${command}.bin`);
  const sim = await startSim(simPath, [...(load ? ["--load", load] : []), "--save-raw", raw]);
  talvo(command, "--device", sim.device, ...args);
  await sim.stop();
  return fs.readFileSync(raw);
}

const behaviours = [
  [],
  ["--answer-every-e"],
  ["--answer-every-e", "--late-end-answer", "50"],
  ["--late-answers", "12", "--late-end-answer", "50"],
  ["--answer-every-e", "--late-answers", "6", "--seed", "7"],
];

// Waits for a finished file whose name matches `pattern` in `folder`.
async function waitForFile(folder, pattern) {
  for (;;) {
    const found = fs.readdirSync(folder).find((name) => pattern.test(name));
    if (found) return path.join(folder, found);
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
}

const aria = (role, name) => `::-p-aria([role="${role}"][name="${name}"])`;
const words = {
  read: "Read Data from the Transceive",
  write: "Write Data in the Transceive",
  readDone: "Reading Frequency Successful!",
  writeDone: "Written and verified!",
  restoreDone: "The backup was written back to the radio and verified.",
  failed: "Communication error, check the line and the serial connection selection!",
};

const bridge = await startBridge(webDir);
const site = await openSite(webDir, siteDir);
let sim = null;
try {
  const { page } = site;
  await page.evaluateOnNewDocument(serialStandIn, bridge.url);
  // The document a read put in, kept from the page's event for the undo.
  await page.evaluateOnNewDocument(() => {
    document.addEventListener("talvo-document-replaced", (e) => {
      window.__document = e.detail.doc;
    });
  });
  // The stand-in's refused connection (a port that will not open) is no problem of the page.
  page.on("console", (m) => {
    if (m.type() === "error" && !m.text().includes(bridge.url.replace(/\/$/, ""))) site.problems.push(m.text());
  });
  await page.goto(site.url, { waitUntil: "load" });
  await page.waitForSelector(aria("button", words.read));

  const status = () => page.$eval("[role=status]", (e) => e.textContent);
  const waitForStatus = async (text) => {
    try {
      await page.waitForFunction(
        (t) => document.querySelector("[role=status]").textContent.includes(t),
        { timeout: 120000 },
        text,
      );
    } catch (e) {
      const seen = await page.evaluate(() => ({
        opens: window.__serialStandIn.record.opens.length,
        progress: document.querySelector("progress")?.value,
        hidden: document.querySelector("progress")?.closest("[hidden]") !== null,
      }));
      throw new Error(`waiting for "${text}", the page says "${await status()}" ${JSON.stringify(seen)}`, { cause: e });
    }
  };
  const click = async (role, name) => (await page.waitForSelector(aria(role, name))).click();
  // Waits until the command can run again (the pause after a transfer is over).
  const ready = () =>
    page.waitForFunction(
      (name) => [...document.querySelectorAll("button")].some((b) => b.textContent === name && !b.disabled),
      { timeout: 20000 },
      words.read,
    );
  const documentFile = () => page.evaluate(() => [...window.__document.save()]);
  const plug = async (args) => {
    if (sim) await sim.stop();
    const raw = file("page-radio.bin");
    sim = await startSim(simPath, [...args, "--baud-pacing", "--save-raw", raw]);
    await page.evaluate((device) => window.__serialStandIn.plug(device), sim.device);
    return raw;
  };
  const unplugAndStop = async () => {
    await page.evaluate(() => window.__serialStandIn.unplug());
    await sim.stop();
    sim = null;
  };

  const sampleFile = file("sample.dat");
  {
    const reference = await startSim(simPath, []);
    talvo("read", "--device", reference.device, "--out", sampleFile);
    await reference.stop();
    // The document a read gives saves as the read's file opened and saved again.
    talvo("resave", sampleFile, file("sample-saved.dat"));
  }
  const readDocument = fs.readFileSync(file("sample-saved.dat"));
  const afterWrite = await cliRadio(null, "write", otherFile);

  for (const behaviour of behaviours) {
    const what = `radio ${behaviour.join(" ") || "as it comes"}`;
    const raw = await plug(behaviour);
    await ready();
    await page.evaluate(() => {
      document.querySelector("[role=status]").textContent = "";
    });
    await click("button", words.read);
    await waitForStatus(words.readDone);
    assert.deepEqual(Buffer.from(await documentFile()), readDocument, `${what}: the read`);

    // Another data file is opened, then written with the checked write: the change list shows
    // before anything is written.
    await (await page.$("input[type=file]")).uploadFile(otherFile);
    await ready();
    await click("button", words.write);
    const changes = await page.waitForSelector(aria("dialog", "Changes to Write"), { timeout: 60000 });
    const rows = await changes.$$eval("tbody tr", (r) => r.length);
    assert.ok(rows > 0, `${what}: the change list lists the changes`);
    await click("button", "Write");
    await waitForStatus(words.writeDone);
    await unplugAndStop();
    assert.deepEqual(fs.readFileSync(raw), afterWrite, `${what}: the radio holds what talvo-cli write leaves`);
  }

  // The plain write, with the checked write turned off: the same radio, no backup, no question.
  {
    const raw = await plug([]);
    await ready();
    await click("checkbox", "Checked Write: Back Up, Show Changes, Verify");
    await click("button", words.write);
    await waitForStatus("Writing Frequency Successful!");
    await click("checkbox", "Checked Write: Back Up, Show Changes, Verify");
    await unplugAndStop();
    assert.deepEqual(fs.readFileSync(raw), afterWrite, "the plain write leaves what talvo-cli write leaves");
  }

  // Every read and every checked write's backup is in the Backups panel; the newest (what the
  // radio held before the last write: the sample) goes back to a radio holding the other file,
  // which then holds what talvo-cli restore leaves.
  {
    const raw = await plug(["--load", otherFile]);
    await ready();
    await click("button", "Backups…");
    // The oldest backup, the first read, saved as a data file: the file talvo-cli read wrote.
    const downloads = file("downloads");
    fs.mkdirSync(downloads);
    const cdp = await page.createCDPSession();
    await cdp.send("Browser.setDownloadBehavior", { behavior: "allow", downloadPath: downloads });
    const saveButtons = await page.$$(aria("button", "Save as data file"));
    await saveButtons.at(-1).click();
    const saved = await waitForFile(downloads, /\.dat$/);
    assert.deepEqual(fs.readFileSync(saved), fs.readFileSync(sampleFile), "a backup saved as a data file");

    const restoreButtons = await page.$$(aria("button", "Write back to the radio"));
    assert.equal(restoreButtons.length, 2 * behaviours.length, "a backup of each read and each write");
    await restoreButtons[0].click();
    const question = await page.waitForSelector(aria("dialog", "Write back to the radio"));
    await (await question.waitForSelector(aria("button", "Write back to the radio"))).click();
    await waitForStatus(words.restoreDone);
    await unplugAndStop();
    const restored = await cliRadio(otherFile, "restore", sampleFile);
    assert.deepEqual(fs.readFileSync(raw), restored, "the restored radio holds what talvo-cli restore leaves");
  }

  // A write that breaks off (the radio goes quiet at the 40th written block, as a cable pulled
  // and put back): the backup is offered, and written back the radio holds what it held.
  {
    const raw = await plug(["--cut-write-block", "40"]);
    await ready();
    await click("button", words.write);
    await page.waitForSelector(aria("dialog", "Changes to Write"), { timeout: 60000 });
    await click("button", "Write");
    const offer = await page.waitForSelector(aria("dialog", "Mistake"), { timeout: 60000 });
    assert.match(await offer.evaluate((d) => d.textContent), /The write failed/);
    await (await offer.waitForSelector(aria("button", "Write back to the radio"))).click();
    await waitForStatus(words.restoreDone);
    await unplugAndStop();
    // talvo-cli on the same radio: the checked write breaks off, then the backup goes back.
    const cliRaw = file("cli-cut.bin");
    const cut = await startSim(simPath, ["--cut-write-block", "40", "--save-raw", cliRaw]);
    assert.throws(() => talvo("write", "--device", cut.device, otherFile, "--backup", file("b.dat"), "--verify"));
    talvo("restore", "--device", cut.device, file("b.dat"));
    await cut.stop();
    assert.deepEqual(fs.readFileSync(raw), fs.readFileSync(cliRaw), "the backup written back");
  }

  // The cable pulled out in the middle of a read, and a radio that sends a stray byte: the
  // communication error, and the document stays as it was.
  const before = await documentFile();
  await plug([]);
  await ready();
  await click("button", words.read);
  await page.waitForFunction(
    () => {
      const bar = document.querySelector("progress");
      return bar && !bar.closest("[hidden]") && bar.value >= 20;
    },
    { timeout: 60000 },
  );
  await page.evaluate(() => window.__serialStandIn.unplug());
  await waitForStatus(words.failed);
  assert.match(await status(), /The device has been lost\.|The cable was disconnected\./);
  assert.deepEqual(await documentFile(), before, "a pulled cable leaves the document as it was");
  await sim.stop();
  sim = null;

  // A stray byte, and a radio that never answers (the job's ticks time it out).
  for (const fault of [["--stray-before-ack", "20"], ["--silent"]]) {
    await plug(fault);
    await ready();
    await click("button", words.read);
    await waitForStatus(words.failed);
    assert.deepEqual(await documentFile(), before, `${fault[0]}: the document stays as it was`);
    await unplugAndStop();
  }

  // Cancel in the middle of a read: nothing to say, the document as it was, the commands back.
  await plug([]);
  await ready();
  await page.evaluate(() => {
    document.querySelector("[role=status]").textContent = "";
  });
  await click("button", words.read);
  await page.waitForFunction(() => document.querySelector("progress")?.value >= 10, { timeout: 60000 });
  await click("button", "Cancel");
  await ready();
  assert.equal(await status(), "");
  assert.deepEqual(await documentFile(), before, "a cancelled read leaves the document as it was");
  await unplugAndStop();

  // A port that will not open: why, and the usual causes.
  await page.evaluate(() => window.__serialStandIn.plug("/nonexistent/tty"));
  await ready();
  await click("button", words.read);
  await waitForStatus("The serial port is invalid");
  assert.match(await status(), /CH340 or PL2303[\s\S]*counterfeit PL2303[\s\S]*another program[\s\S]*dialout/);
  await page.evaluate(() => window.__serialStandIn.unplug());

  // The port chooser offers the usual cable chips, or every port.
  for (const [count, every] of [[1, true], [2, false]]) {
    await click("checkbox", "Show every serial port");
    await click("button", "Communication Port");
    await page.waitForFunction((n) => window.__serialStandIn.record.filters.length === n, {}, count);
    const filters = await page.evaluate(() => window.__serialStandIn.record.filters.at(-1));
    assert.deepEqual(
      filters?.map((f) => f.usbVendorId).sort((a, b) => a - b),
      every ? undefined : [0x0403, 0x067b, 0x10c4, 0x1a86],
    );
  }
  // Every port was opened at 9600 baud 8N1.
  const { opens } = await page.evaluate(() => window.__serialStandIn.record);
  for (const options of opens) {
    assert.deepEqual(
      { baudRate: options.baudRate, dataBits: options.dataBits, stopBits: options.stopBits, parity: options.parity },
      { baudRate: 9600, dataBits: 8, stopBits: 1, parity: "none" },
    );
  }
  assert.deepEqual(site.problems, []);

  // A browser without Web Serial: a plain notice naming those that have it; the rest works.
  const plain = await site.browser.newPage();
  await plain.evaluateOnNewDocument(() => {
    delete Navigator.prototype.serial;
  });
  await plain.goto(site.url, { waitUntil: "load" });
  const notice = await plain.waitForSelector("::-p-aria([role=\"note\"])");
  assert.match(await notice.evaluate((e) => e.textContent), /Chrome, Edge and Opera/);
  assert.equal(await plain.$eval(aria("button", words.read), (b) => b.disabled), true);
  await (await plain.$("input[type=file]")).uploadFile(otherFile);
  await plain.waitForFunction((name) => document.title.includes(name), {}, path.basename(otherFile));
  console.log("read, checked write, restore and a pulled cable over the serial stand-in");
} finally {
  if (sim) await sim.stop().catch(() => {});
  await site.close();
  await bridge.close();
  fs.rmSync(scratch, { recursive: true, force: true });
}
