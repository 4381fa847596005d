// "Optional Features": the VOX frame, the page choice (Function Set / VFO) and the frames of
// the page chosen, every field from the core's table. Each change goes into the document at
// once, through the core's checks; the captions of the hidden sequences count their clicks.
import type { Document } from "../core";
import { fieldRow, frame, listBox, Panel } from "./panel";
import { msecsSinceMidnight, type OptionField, type SettingsCore, type Texts } from "./settings_core";

export class OptionsWindow {
  readonly panel: Panel;
  private page: "function" | "vfo" = "function";
  private readonly lists = new Map<number, HTMLSelectElement>();

  constructor(
    host: HTMLElement,
    private readonly core: SettingsCore,
    private readonly doc: Document,
    private readonly changed: () => void,
    private readonly unlocked: (mode: number) => void,
  ) {
    this.panel = new Panel(host, "options-window");
  }

  // Lays the window out again in `lang` with the document's values.
  show(lang: string, texts: Texts, close: string): void {
    this.panel.setTitle(texts.optionsTitle, close);
    const values = this.core.optionValues(this.doc);
    const fields = this.core.optionFields(lang).filter((f) => f.shown);
    const build = (area: string) => fields.filter((f) => f.area === area).map((f) => this.field(f, values));
    this.lists.clear();

    const pages = document.createElement("div");
    pages.setAttribute("role", "radiogroup");
    pages.setAttribute("aria-label", `${texts.pageFunction} / ${texts.pageVfo}`);
    pages.className = "pages";
    // The function page's two columns side by side, row by row as the desktop's tab order goes.
    const left = build("functionLeft");
    const right = build("functionRight");
    const rows = Array.from({ length: Math.max(left.length, right.length) }, (_, i) => [
      left[i] ?? document.createElement("div"),
      right[i] ?? document.createElement("div"),
    ]).flat();
    const functionFrame = frame(texts.frameFunction, ...rows);
    functionFrame.classList.add("columns");
    const vfoFrames = document.createElement("div");
    vfoFrames.className = "pair";
    vfoFrames.append(frame(texts.frameVfoA, ...build("vfoA")), frame(texts.frameVfoB, ...build("vfoB")));
    const choose = (page: "function" | "vfo", focus: boolean) => {
      this.page = page;
      functionFrame.hidden = page !== "function";
      vfoFrames.hidden = page !== "vfo";
      if (focus && page === "vfo") vfoFrames.querySelector("input")?.focus();
    };
    for (const [page, words] of [["function", texts.pageFunction], ["vfo", texts.pageVfo]] as const) {
      const label = document.createElement("label");
      const radio = document.createElement("input");
      radio.type = "radio";
      radio.name = "options-page";
      radio.checked = this.page === page;
      radio.addEventListener("change", () => choose(page, true));
      label.append(radio, words);
      pages.appendChild(label);
    }
    choose(this.page, false);
    this.panel.body.replaceChildren(frame(texts.frameVox, ...build("vox")), pages, functionFrame, vfoFrames);
  }

  private field(f: OptionField, values: { lists: number[]; texts: string[] }): HTMLElement {
    const id = `option-${f.name}`;
    if (f.kind === "list") {
      const select = listBox(f.entries, values.lists[f.id]);
      select.addEventListener("change", () => {
        this.core.setOptionList(this.doc, f.id, select.selectedIndex);
        this.changed();
      });
      this.lists.set(f.id, select);
      const row = fieldRow(f.caption, select, id);
      if (f.hiddenMode >= 0) {
        row.querySelector("label")!.addEventListener("click", () => {
          const mode = this.core.clickCaption(this.doc, f.id, msecsSinceMidnight());
          if (mode >= 0) this.unlocked(mode);
        });
      }
      return row;
    }
    const input = document.createElement("input");
    input.type = "text";
    input.autocomplete = "off";
    input.spellcheck = false;
    if (f.kind === "text") {
      input.maxLength = f.maxLength;
      input.value = values.texts[f.id];
      input.addEventListener("input", () => {
        const shown = this.core.typeOptionText(this.doc, f.id, input.value);
        if (shown !== input.value) input.value = shown;
        this.changed();
      });
      const leave = () => {
        const checked = this.core.leaveOptionText(this.doc, f.id, input.value);
        if (checked !== input.value) input.value = checked;
        this.changed();
      };
      input.addEventListener("change", leave);
      input.addEventListener("keydown", (e) => {
        if (e.key !== "Enter") return;
        e.preventDefault();
        if (f.enterChecks) leave();
      });
    }
    return fieldRow(f.caption, input, id);
  }
}
