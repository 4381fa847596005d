// The settings' binding takes whatever the page may hand it: random field ids (in range and
// not), random text (any characters, long, broken UTF-16), random indexes and values. It never
// fails, every value it keeps is one its field can hold, and the document still saves a file
// that opens and saves again unchanged.
// usage: node settings_any_input.mjs CORE_NODE_JS CATALOGUES_JSON DATA_FILE
// TALVO_SETTINGS_SEED repeats a run (its seed is printed).
import assert from "node:assert/strict";
import { loadCore, openInCore } from "./page_support.mjs";
import { seededRandom } from "./seeded_random.mjs";

const [corePath, cataloguesPath, dataFile] = process.argv.slice(2);
const core = await loadCore(corePath, cataloguesPath);
const { random, below, pick } = seededRandom("TALVO_SETTINGS_SEED");
const anyNumber = () => pick([below(10), below(300) - 20, -1, 2 ** 31 - 1, -(2 ** 31), 1e9]);
const anyText = () => {
  const alphabet = ["0", "9", ".", "-", "a", "Z", "*", "#", " ", "é", "中", "\uD800", "\u0000", "128", "99.995", "470"];
  return Array.from({ length: below(below(2) ? 12 : 200) }, () => pick(alphabet)).join("");
};

const fields = core.optionFields("en");
const doc = openInCore(core, dataFile);
const edits = [
  () => core.setOptionList(doc, anyNumber(), anyNumber()),
  () => core.setOptionCheck(doc, anyNumber(), below(2) === 1),
  () => core.typeOptionText(doc, anyNumber(), anyText()),
  () => core.leaveOptionText(doc, pick(fields).id, anyText()),
  () => core.clickCaption(doc, anyNumber(), random() * 9e7),
  () => core.clickRelock(doc, anyNumber(), random() * 9e4),
  () => core.bandListOpened(doc),
  () => core.chooseBand(doc, anyNumber(), below(2) === 1),
  () => core.enterFmCell(doc, anyNumber(), anyText()),
  () => core.typeFmVfo(doc, anyText()),
  () => core.leaveFmVfo(doc, anyText()),
  () => core.typeFmPresent(doc, anyText()),
  () => core.setFmDisplayMode(doc, anyNumber()),
  () => core.acceptFm(doc),
  () => core.typeDtmfText(doc, pick(["aniStart", "aniEnd", "other"]), anyText()),
  () => core.setDtmfList(doc, pick(["rate", "delay", "aniMode", "other"]), anyNumber()),
  () => core.setPowerGrade(doc, anyNumber(), anyNumber()),
];

for (let round = 0; round < 40; round++) {
  for (let i = 0; i < 50; i++) pick(edits)();
  const values = core.optionValues(doc);
  for (const f of fields.filter((f) => f.kind === "list")) {
    const index = values.lists[f.id];
    assert.ok(index >= (f.editable ? -1 : 0) && index < f.entries.length, `${f.name} holds ${index}`);
  }
  for (const f of fields.filter((f) => f.kind === "text")) {
    assert.ok(values.texts[f.id].length <= f.maxLength, `${f.name} holds ${values.texts[f.id]}`);
  }
  assert.ok(core.powerGrades(doc).every((g) => g >= 0 && g <= 255));
  assert.ok(core.bandIndex(doc) >= 0 && core.bandIndex(doc) < core.bandEntries().length);
  const dtmf = core.dtmfValues(doc);
  assert.match(dtmf.aniStart + dtmf.aniEnd, /^[0-9A-D*#]*$/);

  // What it saves is a file that saves again as it is.
  const saved = doc.save();
  const again = new core.Document();
  assert.equal(again.open(saved, "again.dat", "en"), "");
  assert.deepEqual(again.save(), saved);
  again.delete();
  for (const lang of core.languages()) core.printout(doc, lang);
}
doc.delete();
console.log("the settings keep only values their fields can hold, whatever they are handed");
