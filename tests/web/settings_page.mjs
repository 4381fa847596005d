// The settings on the page, by keyboard through roles and accessible names as a screen reader
// meets them: the optional features (lists, text fields with their checks, the VFO page), the
// FM channels with their OK, the power sliders, the band question (Cancel, then OK) and DTMF.
// The file the page then saves must be the file the same changes give in the core. Then the
// hidden modes: their caption clicks unlock a mode only in the right three, its relock button
// locks it again with two presses, and the debug sliders follow.
// node settings_page.mjs WEB_DIR SITE_DIR CORE_NODE_JS CATALOGUES_JSON DATA_FILE
import assert from "node:assert/strict";
import { openSite } from "./browser.mjs";
import {
  aria,
  control, keys, loadCore, openDataFile, openInCore, retype, savedBytes, statusSays,
} from "./page_support.mjs";

const [webDir, siteDir, corePath, cataloguesPath, dataFile] = process.argv.slice(2);
const core = await loadCore(corePath, cataloguesPath);
const want = openInCore(core, dataFile);
const texts = core.settingsTexts("en");
const fields = core.optionFields("en");
const field = (name) => fields.find((f) => f.name === name);
const value = (handle) => handle.evaluate((e) => e.value);

const site = await openSite(webDir, siteDir);
try {
  const { page } = site;
  await page.goto(site.url, { waitUntil: "load" });
  await openDataFile(page, dataFile);

  // Optional features: a list by type-ahead, the channel number clamp, the display text filter.
  await keys(page, await control(page, "button", "Optional Features"), ["Enter"]);
  const options = await control(page, "dialog", texts.optionsTitle);
  const squelch = field("SquelchLevel");
  await keys(page, await control(page, "combobox", squelch.caption, options), "7");
  core.setOptionList(want, squelch.id, squelch.entries.indexOf("7"));
  const timer = field("TimeOutTimer");
  await keys(page, await control(page, "combobox", timer.caption, options), "3");
  core.setOptionList(want, timer.id, timer.entries.findIndex((e) => e.startsWith("3")));

  const channelA = await control(page, "textbox", field("AChannelNumber").caption, options);
  await retype(page, channelA, "200");
  assert.equal(await value(channelA), "128", "a channel number above 128 becomes 128 while typing");
  await page.keyboard.press("Tab");
  core.leaveOptionText(want, field("AChannelNumber").id, "200");
  const channelB = await control(page, "textbox", field("BChannelNumber").caption, options);
  await retype(page, channelB, "0", "Enter");
  assert.equal(await value(channelB), "", "0 leaves the channel number empty");
  core.leaveOptionText(want, field("BChannelNumber").id, "0");
  const display = await control(page, "textbox", field("DisplayCharacter").caption, options);
  await retype(page, display, "ab-1%x9z", "Tab");
  assert.equal(await value(display), "AB-1X9", "upper case, % dropped, six characters at most");
  core.leaveOptionText(want, field("DisplayCharacter").id, "ab-1%x9z");

  // The VFO page: the choice puts the focus into the A group's frequency.
  await keys(page, await control(page, "radio", texts.pageVfo, options), [" "]);
  await page.waitForFunction(() => document.activeElement?.id === "option-AVfoFrequency");
  assert.equal(await options.$(aria("combobox", field("Beep").caption)), null, "the function page is hidden");
  await retype(page, await control(page, "textbox", field("AVfoOffsetData").caption, options), "150", "Tab");
  core.leaveOptionText(want, field("AVfoOffsetData").id, "150");
  const groupB = await control(page, "group", texts.frameVfoB, options);
  const frequencyB = await control(page, "textbox", field("BVfoFrequency").caption, groupB);
  await retype(page, frequencyB, "438.5", "Enter");
  assert.equal(await value(frequencyB), "438.50000");
  core.leaveOptionText(want, field("BVfoFrequency").id, "438.5");
  const powerB = fields.find((f) => f.name === "BVfoPower");
  await keys(page, await control(page, "combobox", powerB.caption, groupB), powerB.entries[2].slice(0, 1));
  core.setOptionList(want, powerB.id, 2);
  await page.keyboard.press("Escape");
  await page.waitForFunction(() => document.getElementById("options-window").hidden);

  // FM: Enter takes a preset and goes on to the next; out of range is said and refused.
  await keys(page, await control(page, "button", "FM Channel Set"), ["Enter"]);
  const fm = await control(page, "dialog", texts.fmTitle);
  await retype(page, await control(page, "textbox", `${texts.fmHeaderFrequency} 1`, fm), "88.56", "Enter");
  await page.keyboard.type("108");
  await page.keyboard.press("Enter");
  await statusSays(page, texts.fmRange);
  assert.equal(await value(await control(page, "textbox", `${texts.fmHeaderFrequency} 1`, fm)), "88.55");
  assert.equal(
    await value(await control(page, "textbox", `${texts.fmHeaderFrequency} 2`, fm)),
    core.fmValues(want).cells[1],
    "a refused entry leaves the channel as it was",
  );
  core.enterFmCell(want, 1, "88.56");
  await retype(page, await control(page, "combobox", texts.fmPresentChannel, fm), "x");
  await keys(page, await control(page, "button", texts.ok, fm), ["Enter"]);
  await statusSays(page, texts.fmPresentNotWhole);
  await retype(page, await control(page, "combobox", texts.fmPresentChannel, fm), "5");
  core.typeFmPresent(want, "5");
  await keys(page, await control(page, "button", texts.ok, fm), ["Enter"]);
  await page.waitForFunction(() => document.getElementById("fm-window").hidden);
  assert.ok(core.acceptFm(want));

  // A power slider: PageUp is five, an arrow one.
  await keys(page, await control(page, "button", "Debug Information"), ["Enter"]);
  const debug = await control(page, "dialog", texts.debugTitle);
  const slider = await control(page, "slider", `${texts.debugTabB}: ${texts.powerFrames[5]}`, debug);
  await keys(page, slider, ["PageUp", "ArrowLeft"]);
  core.setPowerGrade(want, 5, core.powerGrades(want)[5] + 4);
  assert.equal(await value(slider), String(core.powerGrades(want)[5]));

  // The band: Cancel keeps band and channels; OK takes the next band and empties the table.
  const band = await control(page, "combobox", "Frequency");
  const before = core.bandIndex(want);
  const next = before + 1;
  assert.ok(next < core.bandEntries().length, "the file's band has one after it");
  const pick = async () => {
    await keys(page, band, ["ArrowDown"]);
    return control(page, "alertdialog", texts.bandTitle);
  };
  const firstReceive = "[role=grid] [aria-rowindex='2'] [aria-colindex='2']";
  const receive = () => page.$eval(firstReceive, (c) => c.textContent);
  const channelOne = await receive();
  assert.notEqual(channelOne, "", "the file's channel 1 is in use");
  await pick();
  await page.keyboard.press("Enter"); // Cancel has the focus, as on the desktop
  await page.waitForFunction(() => !document.querySelector("dialog[open]"));
  assert.equal(await band.evaluate((s) => s.selectedIndex), before);
  assert.equal(await receive(), channelOne, "Cancel keeps the channels");
  const question = await pick();
  await keys(page, await control(page, "button", texts.ok, question), ["Enter"]);
  await page.waitForFunction(() => !document.querySelector("dialog[open]"));
  core.bandListOpened(want);
  core.chooseBand(want, next, true);
  assert.equal(await band.evaluate((s) => s.selectedIndex), next);
  await page.waitForFunction((cell) => document.querySelector(cell).textContent === "", {}, firstReceive);

  // DTMF keeps to its characters (and is in no file).
  await keys(page, await control(page, "button", "DTMF"), ["Enter"]);
  const dtmf = await control(page, "dialog", texts.dtmfTitle);
  const aniStart = await control(page, "textbox", texts.dtmfAniStart, dtmf);
  await retype(page, aniStart, "1a*#e");
  assert.equal(await value(aniStart), "1A*#");

  // Both files, opened again, decode alike (a file keeps FM frequencies to the 100 kHz).
  const reopened = (bytes) => {
    const doc = new core.Document();
    assert.equal(doc.open(bytes, "saved.dat", "en"), "");
    const json = doc.json("en");
    doc.delete();
    return json;
  };
  const saved = await savedBytes(page);
  assert.equal(reopened(saved), reopened(want.save()), "the page's file is the core's after the same changes");
  assert.deepEqual(saved, want.save());

  // Hidden modes: Beep, Key Lock and A Display Mode belong to two sequences: nothing unlocks;
  // Battery Save completes the debug sequence.
  const clickCaption = async (name) => {
    const label = await page.waitForSelector(`label[for="option-${name}"]`);
    await label.click();
  };
  await keys(page, await control(page, "button", "Optional Features"), ["Enter"]);
  await keys(page, await control(page, "radio", texts.pageFunction, options), [" "]);
  const relockNames = [
    "Lock the hidden mode again (double-click)",
    "Lock the debug mode again (double-click)",
    "Lock the FM mode again (double-click)",
  ];
  const shownRelocks = () =>
    page.$$eval("button.relock", (b) => b.filter((e) => !e.hidden).map((e) => e.getAttribute("aria-label")));
  for (const name of ["Beep", "KeyLock", "ADisplayMode"]) await clickCaption(name);
  assert.deepEqual(await shownRelocks(), []);
  await clickCaption("BatterySave");
  await statusSays(page, texts.unlocked);
  assert.deepEqual(await shownRelocks(), [relockNames[1]]);
  const sliderDisabled = () => slider.evaluate((s) => s.disabled);
  assert.equal(await sliderDisabled(), false);

  // Two presses of the relock button within a second lock it again and disable the sliders.
  await keys(page, await control(page, "button", relockNames[1]), ["Enter", "Enter"]);
  await statusSays(page, texts.locked);
  assert.deepEqual(await shownRelocks(), []);
  assert.equal(await sliderDisabled(), true);
  for (const name of ["Beep", "KeyLock", "BatterySave"]) await clickCaption(name);
  assert.equal(await sliderDisabled(), false);
  for (const name of ["RadioSearchMode", "RadioMonitorsSignal", "DualStandby"]) await clickCaption(name);
  assert.deepEqual(await shownRelocks(), [relockNames[1], relockNames[2]]);

  assert.deepEqual(site.problems, []);
  console.log("settings by keyboard give the core's file; hidden modes unlock and lock again");
} finally {
  await site.close();
  want.delete();
}
