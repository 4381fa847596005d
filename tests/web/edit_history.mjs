// The page's edit history over the WebAssembly core (under Node), as a property: random runs of
// the grid's edits, column sets, fills, CSV imports, opens and reads. Every edit that changes
// the state is one step and every refused or empty one is none; undo walks back through exactly
// the states passed, redo forward again; "unsaved" holds exactly when the state is not the one
// last opened, saved or started afresh; and bad input (odd text, broken files) changes nothing.
//
// usage: node edit_history.mjs TALVO_CORE_NODE_JS DATA_FILE
// TALVO_HISTORY_SEED repeats a run (its seed is printed).
import assert from "node:assert/strict";
import fs from "node:fs";
import { createRequire } from "node:module";
import path from "node:path";
import { seededRandom } from "./seeded_random.mjs";

const [corePath, dataFile] = process.argv.slice(2);
const { random, below, pick } = seededRandom("TALVO_HISTORY_SEED");
const channel = () => 1 + below(128);
const channels = () => Array.from({ length: 1 + below(6) }, channel);
const all = Array.from({ length: 128 }, (_, i) => i + 1);

const core = await createRequire(import.meta.url)(path.resolve(corePath))();
const file = new Uint8Array(fs.readFileSync(dataFile));
const texts = ["", "145.5", "440.5", "999", "1.2.3", "446.00625", "470.99", "abc", "12345678901", "136"];
const names = ["", "HI", "a!b", "TOOLONGNAME", "ÿé", "\u4e2d"];
const csv = (rows) => new TextEncoder().encode("Location,Name,Frequency\n" + rows.join("\n") + "\n");

// One random edit; what it returns is ignored, what it did to the state is what counts.
const edits = [
  (doc) => core.commitFrequency(doc, channel(), 1 + below(2), pick(texts), "en"),
  (doc) => core.commitName(doc, channel(), pick(names)),
  (doc) => core.commitOption(doc, channel(), 3 + below(7), below(5) - 1),
  (doc) => core.clearChannels(doc, channels()),
  (doc) => core.insertChannel(doc, channel(), all, "en"),
  (doc) => core.deleteMoveUp(doc, channels(), all),
  (doc) => core.moveChannels(doc, channels(), random() < 0.5, all),
  (doc) => core.sortChannels(doc, random() < 0.5 ? [] : channels(), all, 1 + below(10), random() < 0.5),
  (doc) => core.setColumn(doc, channels(), 1 + below(10), pick(texts.concat(names)), below(4), "en"),
  (doc) => {
    const from = channels();
    const own = random() < 0.5 ? core.copyChannels(doc, from, all) : null;
    core.pasteChannels(doc, channel(), all, own, random() < 0.8 ? core.channelsText(doc, from) : pick(texts), "en");
  },
  (doc) =>
    core.fill(doc, channels(), {
      fillRx: random() < 0.7,
      rxStart: pick(texts),
      rxStep: pick(["12.5", "-25", "x", "0"]),
      tx: below(3),
      txOffset: pick(["+5", "-0.6", "?"]),
      fillNames: random() < 0.5,
      pattern: pick(["CH{n}", "P{n:02}", "{x}", "ab"]),
      firstNumber: below(100),
    }),
  (doc) => core.csvImport(doc, csv([`${channel()},N${below(9)},${pick(texts)}`, `${channel()},,${pick(texts)}`]), below(3) * 40),
  (doc) => core.csvImport(doc, new Uint8Array([0xff, 0, 10, 44]), 0),
  // The settings: each change one step, whatever part of the state it is in.
  (doc) => {
    const f = pick(optionFields);
    if (f.kind === "list") core.setOptionList(doc, f.id, below(f.entries.length + 1) - 1);
    else if (f.kind === "check") core.setOptionCheck(doc, f.id, random() < 0.5);
    else core.leaveOptionText(doc, f.id, pick(texts.concat(names)));
  },
  (doc) => core.enterFmCell(doc, 1 + below(25), pick(["98.5", "108", "abc", "", "120"])),
  (doc) => core.acceptFm(doc),
  (doc) => core.typeDtmfText(doc, pick(["aniStart", "aniEnd"]), pick(["12", "A#*", ""])),
  (doc) => core.setPowerGrade(doc, below(6), below(256)),
  (doc) => {
    core.bandListOpened(doc);
    core.chooseBand(doc, below(core.bandEntries().length), random() < 0.5);
  },
];
const optionFields = core.optionFields("en");
// Opens, reads and New are one step each, even when the state comes out the same (and leave
// nothing unsaved, but for a read); they tell whether they took place.
const loads = [
  (doc) => {
    const broken = file.slice(0, below(file.length));
    if (random() < 0.5) broken[below(broken.length || 1)] ^= 0xff;
    return { step: doc.open(broken, "broken.dat", "en") === "", saved: true };
  },
  (doc) => ({ step: doc.open(file, "radio.dat", "en") === "", saved: true }),
  (doc) => {
    const image = new Uint8Array(3072).map(() => below(256));
    return { step: doc.decodeImage(random() < 0.9 ? image : image.slice(1)), saved: false };
  },
  (doc) => {
    doc.startNew();
    return { step: true, saved: true };
  },
];

const runs = 30;
for (let run = 0; run < runs; run++) {
  const doc = new core.Document();
  doc.open(file, "radio.dat", "en");
  // What the user can see of the state: the memory image, every cell of the grid and the
  // decoded values.
  const snapshot = () => {
    const cells = [];
    for (let r = 0; r < 128; r++) for (let c = 1; c < 11; c++) cells.push(doc.cell(r, c, "en"));
    const settings = [core.optionValues(doc), core.fmValues(doc), core.dtmfValues(doc), core.powerGrades(doc)];
    return Array.from(doc.encodeImage()).join(",") + "|" + cells.join("|") + doc.json("en") + JSON.stringify(settings);
  };
  const path = [snapshot()];
  let savedAt = 0;
  const done = []; // the edits made (negative: loads), for the failure's message
  for (let step = 0; step < 25; step++) {
    const where = `run ${run} step ${step}`;
    const before = snapshot();
    const which = random() < 0.15 ? -1 - below(loads.length) : below(edits.length);
    done.push(which);
    const load = which < 0 ? loads[-1 - which](doc) : (edits[which](doc), null);
    const after = snapshot();
    if ((load && load.step) || after !== before) {
      path.push(after);
      assert.ok(doc.undo(), where);
      assert.equal(snapshot(), before, `${where}: undo gives the state before back`);
      assert.ok(doc.redo(), where);
      assert.equal(snapshot(), after, `${where}: redo makes the step again`);
      if (load?.saved) savedAt = path.length - 1;
    }
    if (random() < 0.1) {
      // Saved once written: the revision read before the bytes.
      const revision = doc.revision();
      assert.equal(doc.save().length, 3120);
      doc.markSaved(revision);
      savedAt = path.length - 1;
    }
    assert.equal(doc.modified(), savedAt !== path.length - 1, `${where}: unsaved after ${done}`);
  }
  // Undo walks back through exactly the states passed, redo forward again.
  for (let i = path.length - 2; i >= 0; i--) {
    assert.ok(doc.undo(), `run ${run}: undo to state ${i}`);
    assert.equal(snapshot(), path[i], `run ${run}: undo to state ${i} after ${done}`);
    assert.equal(doc.modified(), i !== savedAt);
  }
  // Before the first state lies only the open that began the run.
  assert.ok(doc.undo() && !doc.canUndo() && doc.redo());
  for (let i = 1; i < path.length; i++) {
    assert.ok(doc.redo());
    assert.equal(snapshot(), path[i], `run ${run}: redo to state ${i}`);
  }
  assert.ok(!doc.canRedo());
  doc.delete();
}
console.log(`${runs} runs of edits: every change one step, undo and redo through the states passed`);
