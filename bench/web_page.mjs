// The browser version's benchmark (not a test): headless chromium against the built site
// (build/web) served on localhost, gzip-compressed as a static host serves it. It prints the
// median over a few rounds of
//   - the time from navigation to the channel grid shown: the first visit (a fresh profile), and
//     a later visit answered by the service worker's cache;
//   - the bytes of the first visit: the site's files gzip-compressed, and what chromium reports
//     (CDP Network events of the page and of its service worker) and the host sent;
//   - a Read and a checked write against the virtual radio paced at 9600 baud, through the
//     test's serial stand-in, over their wire time (the change list's wait left out); beside
//     them the page's own turns (a chunk in to the reply out, timed in the page), the turns as
//     the radio saw them (its transcript), the ratio without the stand-in's way there and back,
//     and talvo-cli on the same radio as this machine's reference;
//   - the time the page takes for a key in the grid (an arrow key; a frequency typed into a
//     cell, digit by digit, and Enter storing it): each key is dispatched at the start of an
//     animation frame and timed inside the page up to the end of that frame's work (style,
//     layout and paint included), median and 95th percentile.
// node bench/web_page.mjs [--rounds N]   (after scripts/build --web and
//                                          scripts/build talvo-cli talvo-radio-sim)
import { execFileSync } from "node:child_process";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import zlib from "node:zlib";
import { fileURLToPath } from "node:url";
import { openSite } from "../tests/web/browser.mjs";
import { serialStandIn, startBridge, startSim } from "../tests/web/serial_stand_in.mjs";

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), "..");
const webDir = path.join(root, "web");
const siteDir = process.env.TALVO_SITE ?? path.join(root, "build/web");
const simPath = process.env.TALVO_RADIO_SIM ?? path.join(root, "build/tools/radio-sim/talvo-radio-sim");
const cli = process.env.TALVO_CLI ?? path.join(root, "build/src/cli/talvo-cli");
const roundsAt = process.argv.indexOf("--rounds");
const rounds = roundsAt > 0 ? Number(process.argv[roundsAt + 1]) : 5;
for (const needed of [path.join(siteDir, "index.html"), simPath, cli]) {
  if (!fs.existsSync(needed)) {
    console.error(`${needed} is missing: run scripts/build --web and scripts/build talvo-cli talvo-radio-sim`);
    process.exit(2);
  }
}

// Wire time at 9600 baud 8N1 (960 bytes a second): a read exchanges 5,040 bytes, a write 4,035;
// a checked write reads, writes and reads back.
const BYTE_S = 1 / 960;
const READ_WIRE_S = 5040 * BYTE_S;
const CHECKED_WIRE_S = (5040 + 4035 + 5040) * BYTE_S;

const median = (xs) => {
  const s = [...xs].sort((a, b) => a - b);
  const m = s.length >> 1;
  return s.length % 2 ? s[m] : (s[m - 1] + s[m]) / 2;
};
const percentile = (xs, p) => {
  const s = [...xs].sort((a, b) => a - b);
  return s[Math.max(0, Math.ceil((p / 100) * s.length) - 1)];
};
const kb = (bytes) => `${(bytes / 1024).toFixed(1)} KiB`;
const ms = (x) => `${x.toFixed(1)} ms`;
const rows = [];
const report = (measure, value, target, met) => rows.push([measure, value, target, met === undefined ? "" : met ? "met" : "MISSED"]);

const say = (what) => process.stderr.write(`${what}\n`);
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), "talvo-web-bench-"));
const site = await openSite(webDir, siteDir, { gzip: true });
const bridge = await startBridge(webDir);
let sim = null;

// The grid counts as shown at the animation frame that first paints its column headers' words;
// the time is counted from the navigation's start (performance.now() is 0 there).
function watchGrid() {
  const look = () => {
    if (document.querySelector("[role=grid] [role=columnheader]")?.textContent) {
      window.__gridShownAt = performance.now();
      return;
    }
    requestAnimationFrame(look);
  };
  requestAnimationFrame(look);
}
const gridShown = (page) =>
  page.waitForFunction(() => window.__gridShownAt, { timeout: 30000 }).then((h) => h.jsonValue());

// Byte counts of the CDP Network events of one target (the page, or its service worker).
function countBytes(session, into) {
  session.on("Network.loadingFinished", (e) => {
    into.bytes += e.encodedDataLength;
    into.requests += 1;
  });
  return session.send("Network.enable");
}

// One visit in a fresh profile, then one more in a new tab of the same profile, which the
// service worker answers from its cache.
async function visits() {
  const context = await site.browser.createBrowserContext();
  try {
    const page = await context.newPage();
    await page.evaluateOnNewDocument(watchGrid);
    const pageBytes = { bytes: 0, requests: 0 };
    const workerBytes = { bytes: 0, requests: 0 };
    const cdp = await page.createCDPSession();
    await countBytes(cdp, pageBytes);
    // The service worker is held at its start until its network events are counted too.
    cdp.on("Target.attachedToTarget", ({ sessionId, targetInfo }) => {
      const worker = cdp.connection().session(sessionId);
      const counted = targetInfo.type === "service_worker" ? countBytes(worker, workerBytes) : null;
      // A held worker answers Network.enable only once it runs: both are sent together.
      void Promise.all([counted, worker.send("Runtime.runIfWaitingForDebugger")]).catch(() => {});
    });
    await cdp.send("Target.setAutoAttach", { autoAttach: true, waitForDebuggerOnStart: true, flatten: true });
    const hostBefore = { ...site.sent };
    await page.goto(site.url, { waitUntil: "load" });
    const first = await gridShown(page);
    // Every file kept: the service worker took over the page after its install.
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null, { timeout: 30000 });
    const host = { responses: site.sent.responses - hostBefore.responses, bytes: site.sent.bytes - hostBefore.bytes };
    await cdp.detach();

    const again = await context.newPage();
    await again.evaluateOnNewDocument(watchGrid);
    const hostBeforeAgain = site.sent.responses;
    await again.goto(site.url, { waitUntil: "load" });
    const cached = await gridShown(again);
    const fromHostAgain = site.sent.responses - hostBeforeAgain;
    return { first, cached, pageBytes, workerBytes, host, fromHostAgain };
  } finally {
    await context.close();
  }
}

// Runs in the page: the time from each chunk the port gives to the reply the page writes next
// (the stand-in carries the port's bytes on a WebSocket) goes to window.__turns, in ms.
function logTurns() {
  window.__turns = [];
  let lastIn = null;
  const Base = window.WebSocket;
  window.WebSocket = class extends Base {
    constructor(...args) {
      super(...args);
      this.addEventListener("message", () => {
        lastIn = performance.now();
      });
    }
    send(bytes) {
      if (lastIn !== null) window.__turns.push(performance.now() - lastIn);
      lastIn = null;
      super.send(bytes);
    }
  };
}

// The radio's view of the program's turns, from its transcript ('<ms> P|R <hex>' a chunk): from
// each answer it sent to the next bytes it got.
function radioTurns(text) {
  const lines = text.trim().split("\n").map((l) => l.split(" "));
  const turns = [];
  for (let i = 1; i < lines.length; i++) {
    if (lines[i - 1][1] === "R" && lines[i][1] === "P") turns.push(Number(lines[i][0]) - Number(lines[i - 1][0]));
  }
  return turns;
}

// A key in the grid, timed in the page: `steps` are run one per animation frame, each from the
// start of its frame (a requestAnimationFrame callback, before the frame's style, layout and
// paint) to a message posted there, which runs once that frame's work is done. Returns the
// times of each kind of step, and the refusals the status region showed.
async function keyTimes(page, plan) {
  return page.evaluate(async (plan) => {
    const frame = () => new Promise((resolve) => requestAnimationFrame(resolve));
    const timed = async (step) => {
      await frame();
      return new Promise((resolve) => {
        requestAnimationFrame(() => {
          const t0 = performance.now();
          step();
          const script = performance.now() - t0;
          const channel = new MessageChannel();
          channel.port1.onmessage = () => resolve([performance.now() - t0, script]);
          channel.port2.postMessage(0);
        });
      });
    };
    const key = (target, k) =>
      target.dispatchEvent(new KeyboardEvent("keydown", { key: k, bubbles: true, cancelable: true }));
    const cell = (channel, column) =>
      document.querySelector(`[role=grid] [aria-rowindex="${channel + 1}"] [aria-colindex="${column + 1}"]`);
    const status = document.querySelector("[role=status]");
    const times = { arrow: [], open: [], digit: [], enter: [] };
    let refused = 0;

    cell(1, 1).focus();
    for (const k of plan.arrows) times.arrow.push(await timed(() => key(document.activeElement, k)));

    // A used channel's receive frequency, typed as another used channel's: the first
    // character opens the cell's editor, each further one is what the browser does for a
    // key in a text box, and Enter stores the entry.
    const used = [];
    for (let ch = 1; ch <= 128; ch++) if (cell(ch, 1)?.textContent) used.push(ch);
    for (let i = 0; i < plan.entries; i++) {
      const ch = used[i % used.length];
      const text = cell(used[(i + 1) % used.length], 1).textContent;
      cell(ch, 1).focus();
      status.textContent = "";
      times.open.push(await timed(() => key(document.activeElement, text[0])));
      for (const c of text.slice(1)) {
        times.digit.push(
          await timed(() => {
            const input = document.activeElement;
            key(input, c);
            input.value += c;
            input.dispatchEvent(new InputEvent("input", { inputType: "insertText", data: c, bubbles: true }));
          }),
        );
      }
      times.enter.push(await timed(() => key(document.activeElement, "Enter")));
      if (status.textContent) refused += 1;
    }
    return { times, refused, used: used.length };
  }, plan);
}

try {
  // Site size: every file a static host would serve, each gzip-compressed (level 6, what a
  // host compresses on the fly; level 9 as one compressing ahead of time).
  const files = fs.readdirSync(siteDir).filter((f) => fs.statSync(path.join(siteDir, f)).isFile());
  let raw = 0;
  let gz6 = 0;
  let gz9 = 0;
  for (const f of files) {
    const body = fs.readFileSync(path.join(siteDir, f));
    raw += body.length;
    gz6 += zlib.gzipSync(body, { level: 6 }).length;
    gz9 += zlib.gzipSync(body, { level: 9 }).length;
  }

  // Navigation to the grid. The first visit is a warm-up of chromium and of the host's gzip
  // copies, not counted.
  say("loading the page");
  await visits();
  const loads = [];
  for (let r = 0; r < rounds; r++) loads.push(await visits());
  const firstMs = median(loads.map((l) => l.first));
  const cachedMs = median(loads.map((l) => l.cached));
  report("navigation to grid shown, first visit", ms(firstMs), "<= 1000 ms", firstMs <= 1000);
  report("navigation to grid shown, service worker's cache", ms(cachedMs), "<= 1000 ms", cachedMs <= 1000);
  report("  files the host sent on that later visit", String(median(loads.map((l) => l.fromHostAgain))), "", undefined);

  const pageB = median(loads.map((l) => l.pageBytes.bytes));
  const workerB = median(loads.map((l) => l.workerBytes.bytes));
  const cdpB = median(loads.map((l) => l.pageBytes.bytes + l.workerBytes.bytes));
  const hostB = median(loads.map((l) => l.host.bytes));
  report(`site: ${files.length} files, ${kb(raw)}; gzip -6 (-9)`, `${kb(gz6)} (${kb(gz9)})`, "<= 1.5 MB", gz6 <= 1.5e6);
  report(
    "first visit over the wire (CDP): page + service worker",
    `${kb(pageB)} + ${kb(workerB)} = ${kb(cdpB)}`,
    "<= 1.5 MB",
    cdpB <= 1.5e6,
  );
  report(
    "  CDP requests: page + service worker; host's bodies",
    `${median(loads.map((l) => l.pageBytes.requests))} + ${median(loads.map((l) => l.workerBytes.requests))}; ` +
      `${median(loads.map((l) => l.host.responses))} files, ${kb(hostB)}`,
    "",
    undefined,
  );

  // Read and checked write against the paced virtual radio.
  const other = path.join(scratch, "new.dat");
  const sample = path.join(scratch, "sample.dat");
  execFileSync(cli, ["new", other]);
  {
    const reference = await startSim(simPath, []);
    execFileSync(cli, ["read", "--device", reference.device, "--out", sample], {
      env: { ...process.env, XDG_DATA_HOME: path.join(scratch, "data") },
    });
    await reference.stop();
  }
  const context = await site.browser.createBrowserContext();
  const page = await context.newPage();
  await page.evaluateOnNewDocument(serialStandIn, bridge.url);
  await page.evaluateOnNewDocument(logTurns);
  await page.goto(site.url, { waitUntil: "load" });
  const readName = "Read Data from the Transceive";
  const writeName = "Write Data in the Transceive";
  await page.waitForSelector(`::-p-aria([role="button"][name="${readName}"])`);
  // Waits for the commands to come back after a transfer (the radio's pause).
  const ready = () =>
    page.waitForFunction(
      (name) => [...document.querySelectorAll("button")].some((b) => b.textContent === name && !b.disabled),
      { timeout: 30000 },
      readName,
    );
  // A fresh paced virtual radio holding `load` on the cable; `command` clicked and timed to the
  // status region's `done` words. A question dialog (the change list) is answered Write at once,
  // its wait left out of the time. Returns the seconds, the page's own turns and the turns the
  // radio saw, both in ms.
  const transfer = async (load, command, done) => {
    const transcript = path.join(scratch, "transcript.txt");
    sim = await startSim(simPath, ["--baud-pacing", "--load", load, "--transcript", transcript]);
    await page.evaluate((device) => window.__serialStandIn.plug(device), sim.device);
    await ready();
    const seconds = await page.evaluate(
      (command, done) =>
        new Promise((resolve, reject) => {
          const status = document.querySelector("[role=status]");
          status.textContent = "";
          window.__turns.length = 0;
          let asked = 0;
          let answered = false;
          const watch = new MutationObserver(() => {
            const dialog = document.querySelector("dialog[open]");
            if (dialog && !answered) {
              answered = true;
              const shown = performance.now();
              dialog.querySelector("button").click();
              asked += performance.now() - shown;
            }
            if (status.textContent) {
              watch.disconnect();
              const seconds = (performance.now() - t0 - asked) / 1000;
              if (status.textContent.includes(done)) resolve(seconds);
              else reject(new Error(status.textContent));
            }
          });
          watch.observe(document.body, { subtree: true, childList: true, characterData: true, attributes: true });
          const button = [...document.querySelectorAll("button")].find((b) => b.textContent === command);
          const t0 = performance.now();
          button.click();
        }),
      command,
      done,
    );
    const pageTurns = await page.evaluate(() => window.__turns.slice());
    await page.evaluate(() => window.__serialStandIn.unplug());
    await sim.stop();
    sim = null;
    return { seconds, pageTurns, radioTurns: radioTurns(fs.readFileSync(transcript, "utf8")) };
  };
  const reads = [];
  const writes = [];
  for (let r = 0; r < Math.min(rounds, 3); r++) {
    say(`read and checked write, round ${r + 1}`);
    reads.push(await transfer(sample, readName, "Reading Frequency Successful!"));
    // The radio holds the sample; the page has the other file open, so the change list has rows.
    await (await page.$("input[type=file]")).uploadFile(other);
    await page.waitForFunction((name) => document.title.includes(name), {}, path.basename(other));
    writes.push(await transfer(sample, writeName, "Written and verified!"));
  }
  // The same two from talvo-cli against the same paced radio, as a reference for this machine:
  // the process's start and the radio's own time are in both.
  const cliRuns = { read: [], write: [] };
  for (let r = 0; r < Math.min(rounds, 3); r++) {
    say(`talvo-cli read and checked write, round ${r + 1}`);
    for (const [kind, args] of [
      ["read", ["read", "--out", path.join(scratch, "cli-read.dat")]],
      ["write", ["write", other, "--backup", path.join(scratch, "cli-backup.dat"), "--verify"]],
    ]) {
      const radio = await startSim(simPath, ["--baud-pacing", "--load", sample]);
      const t0 = performance.now();
      execFileSync(cli, [args[0], "--device", radio.device, ...args.slice(1)], {
        env: { ...process.env, XDG_DATA_HOME: path.join(scratch, "data") },
      });
      cliRuns[kind].push((performance.now() - t0) / 1000);
      await radio.stop();
    }
  }
  for (const [label, runs, wire, cliSeconds] of [
    ["Read", reads, READ_WIRE_S, cliRuns.read],
    ["checked write", writes, CHECKED_WIRE_S, cliRuns.write],
  ]) {
    const seconds = median(runs.map((t) => t.seconds));
    const ratio = seconds / wire;
    report(`${label}: s (wire ${wire.toFixed(2)} s), ratio`, `${seconds.toFixed(2)} s, ${ratio.toFixed(3)}`, "ratio <= 1.03", ratio <= 1.03);
    // Between the radio's last byte of an answer and its first byte of the next frame: the
    // page's own turn (a chunk in, the reply handed to the port), and what the radio saw,
    // which adds the stand-in's way there and back (WebSocket, bridge, pseudo-terminal).
    const sum = (xs) => xs.reduce((a, b) => a + b, 0);
    const pageMs = median(runs.map((t) => sum(t.pageTurns)));
    const radioMs = median(runs.map((t) => sum(t.radioTurns)));
    report(
      `  turns: page's own (median) / as the radio saw them, summed`,
      `${ms(pageMs)} (${ms(median(runs.flatMap((t) => t.pageTurns)))}) / ${ms(radioMs)}`,
      "",
      undefined,
    );
    const without = (seconds - (radioMs - pageMs) / 1000) / wire;
    report(`  ratio without the stand-in's way`, without.toFixed(3), "ratio <= 1.03", without <= 1.03);
    const cliS = median(cliSeconds);
    report(`  talvo-cli on the same radio: s, ratio`, `${cliS.toFixed(2)} s, ${(cliS / wire).toFixed(3)}`, "", undefined);
  }

  // Keys in the grid, on the sample radio's channels.
  await (await page.$("input[type=file]")).uploadFile(sample);
  await page.waitForFunction((name) => document.title.includes(name), {}, path.basename(sample));
  const arrows = [];
  for (let i = 0; i < 200; i++) arrows.push(["ArrowDown", "ArrowRight", "ArrowUp", "ArrowLeft"][Math.floor(i / 25) % 4]);
  const keyRounds = [];
  for (let r = 0; r < rounds; r++) {
    say(`keys in the grid, round ${r + 1}`);
    keyRounds.push(await keyTimes(page, { arrows, entries: 30 }));
  }
  for (const [kind, label] of [
    ["arrow", "arrow key moving the current cell"],
    ["open", "a digit opening the cell's editor"],
    ["digit", "a further character of the frequency"],
    ["enter", "Enter storing the frequency"],
  ]) {
    const frame = (k) => k.times[kind].map((t) => t[0]);
    const script = (k) => k.times[kind].map((t) => t[1]);
    const med = median(keyRounds.map((k) => median(frame(k))));
    const p95 = median(keyRounds.map((k) => percentile(frame(k), 95)));
    const n = keyRounds[0].times[kind].length;
    report(`${label}: median / p95 of ${n}`, `${ms(med)} / ${ms(p95)}`, "p95 <= 16 ms", p95 <= 16);
    report(`  of which the page's script`, `${ms(median(keyRounds.map((k) => median(script(k)))))} / ${ms(median(keyRounds.map((k) => percentile(script(k), 95))))}`, "", undefined);
  }
  const refused = keyRounds.reduce((sum, k) => sum + k.refused, 0);
  if (refused) report("  frequencies the grid refused", String(refused), "", undefined);
  await context.close();
} finally {
  if (sim) await sim.stop().catch(() => {});
  await site.close();
  await bridge.close();
  fs.rmSync(scratch, { recursive: true, force: true });
}

const widths = [0, 1, 2, 3].map((c) => Math.max(...rows.map((r) => r[c].length), ["measure", "median", "target", ""][c].length));
const line = (cells) => cells.map((c, i) => c.padEnd(widths[i])).join("  ").trimEnd();
console.log(`talvo in the browser, ${rounds} rounds (load average ${os.loadavg().map((l) => l.toFixed(1)).join(" ")}, ${os.cpus().length} cores)`);
console.log(line(["measure", "median", "target", ""]));
for (const r of rows) console.log(line(r));
