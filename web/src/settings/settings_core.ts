// The settings' part of the WebAssembly core (src/web_binding/settings_binding.cpp and
// print_binding.cpp) as the page sees it. Every field, check and word comes from there.
import type { Core, Document } from "../core";

export interface ListField {
  kind: "list";
  id: number;
  name: string;
  caption: string;
  area: string;
  entries: string[];
  editable: boolean;
  shown: boolean;
  hiddenMode: number;
}
export interface TextField {
  kind: "text";
  id: number;
  name: string;
  caption: string;
  area: string;
  maxLength: number;
  enterChecks: boolean;
  shown: boolean;
}
export interface CheckField {
  kind: "check";
  id: number;
  name: string;
  caption: string;
  area: string;
  shown: boolean;
}
export type OptionField = ListField | TextField | CheckField;

export interface Texts {
  optionsTitle: string;
  pageFunction: string;
  pageVfo: string;
  frameVox: string;
  frameFunction: string;
  frameVfoA: string;
  frameVfoB: string;
  bandQuestion: string;
  bandTitle: string;
  fmTitle: string;
  fmVfo: string;
  fmPresentChannel: string;
  fmDisplayMode: string;
  fmHeaderChannel: string;
  fmHeaderFrequency: string;
  ok: string;
  cancel: string;
  fmRange: string;
  fmPresentNotWhole: string;
  fmDisplayModes: string[];
  dtmfTitle: string;
  dtmfRate: string;
  dtmfDelay: string;
  dtmfAniStart: string;
  dtmfAniEnd: string;
  dtmfAniMode: string;
  dtmfRates: string[];
  dtmfDelays: string[];
  dtmfAniModes: string[];
  debugTitle: string;
  debugTabA: string;
  debugTabB: string;
  debugLow: string;
  debugHigh: string;
  powerFrames: string[];
  unlocked: string;
  locked: string;
  printPage: string;
  updated: string;
}

export interface FmValues {
  cells: string[];
  vfo: string;
  present: string;
  displayMode: number;
}
export type FmOutcome = "empty" | "accepted" | "outOfRange" | "notNumber";

export interface DtmfValues {
  rate: number;
  delay: number;
  aniMode: number;
  aniStart: string;
  aniEnd: string;
}

export interface PrintoutElement {
  kind: "newPage" | "title" | "heading" | "lineFeed" | "row" | "grid";
  text: string;
  value: string;
}
export interface PrintoutGrid {
  header: string[];
  rows: string[][];
  columnTwips: number[];
}

export interface SettingsCore extends Core {
  settingsTexts(lang: string): Texts;
  optionFields(lang: string): OptionField[];
  optionValues(doc: Document): { lists: number[]; texts: string[]; checks: boolean[] };
  setOptionList(doc: Document, id: number, index: number): void;
  setOptionCheck(doc: Document, id: number, on: boolean): void;
  typeOptionText(doc: Document, id: number, text: string): string;
  leaveOptionText(doc: Document, id: number, text: string): string;
  clickCaption(doc: Document, listId: number, msecsSinceMidnight: number): number;
  hiddenModes(doc: Document): boolean[];
  clickRelock(doc: Document, mode: number, secondsSinceMidnight: number): boolean;
  bandEntries(): string[];
  bandIndex(doc: Document): number;
  bandListOpened(doc: Document): void;
  bandAsks(doc: Document, index: number): boolean;
  chooseBand(doc: Document, index: number, clearChannels: boolean): void;
  fmValues(doc: Document): FmValues;
  filterFm(text: string): string;
  enterFmCell(doc: Document, channel: number, text: string): FmOutcome;
  typeFmVfo(doc: Document, text: string): void;
  leaveFmVfo(doc: Document, text: string): { outcome: FmOutcome; text: string };
  typeFmPresent(doc: Document, text: string): void;
  setFmDisplayMode(doc: Document, index: number): void;
  acceptFm(doc: Document): boolean;
  dtmfValues(doc: Document): DtmfValues;
  typeDtmfText(doc: Document, field: "aniStart" | "aniEnd", text: string): string;
  setDtmfList(doc: Document, field: "rate" | "delay" | "aniMode", index: number): void;
  powerGrades(doc: Document): number[];
  setPowerGrade(doc: Document, slider: number, value: number): void;
  printout(doc: Document, lang: string): PrintoutElement[];
  printoutGrid(doc: Document, lang: string): PrintoutGrid;
}

// The time of day as the hidden sequences count it.
export function msecsSinceMidnight(now = new Date()): number {
  return ((now.getHours() * 60 + now.getMinutes()) * 60 + now.getSeconds()) * 1000 + now.getMilliseconds();
}

// A menu text without its keyboard accelerator: "Print(&P)" -> "Print".
export const plain = (words: string) => words.replace(/\(&.\)/, "").replace("&", "");
