// "FM Channel Set": the 25 preset channels, the FM VFO, the present channel and the display
// mode, a working copy the core checks as typed; OK copies it into the FM record, Cancel only
// closes. A frequency out of range is said in the status region, as the desktop's message line.
import type { Document } from "../core";
import { fieldRow, listBox, Panel } from "./panel";
import type { FmOutcome, SettingsCore, Texts } from "./settings_core";

export class FmWindow {
  readonly panel: Panel;

  constructor(
    host: HTMLElement,
    private readonly core: SettingsCore,
    private readonly doc: Document,
    private readonly changed: () => void,
    private readonly say: (message: string) => void,
  ) {
    this.panel = new Panel(host, "fm-window");
  }

  show(texts: Texts, close: string): void {
    this.panel.setTitle(texts.fmTitle, close);
    const values = this.core.fmValues(this.doc);
    const filter = (input: HTMLInputElement) =>
      input.addEventListener("input", () => {
        const kept = this.core.filterFm(input.value);
        if (kept !== input.value) input.value = kept;
      });
    const outcome = (result: FmOutcome) => {
      if (result === "outOfRange") this.say(texts.fmRange);
    };

    const table = document.createElement("table");
    table.className = "fm-grid";
    const head = table.createTHead().insertRow();
    for (const [id, words] of [["fm-h-channel", texts.fmHeaderChannel], ["fm-h-frequency", texts.fmHeaderFrequency]]) {
      const th = document.createElement("th");
      th.id = id;
      th.scope = "col";
      th.textContent = words;
      head.appendChild(th);
    }
    const cells: HTMLInputElement[] = [];
    // A cell taken up for typing holds its text selected, so what is typed replaces it.
    const edit = (cell: HTMLInputElement) => {
      cell.focus();
      cell.select();
    };
    const body = table.createTBody();
    values.cells.forEach((text, i) => {
      const row = body.insertRow();
      const number = document.createElement("th");
      number.scope = "row";
      number.id = `fm-channel-${i + 1}`;
      number.textContent = String(i + 1);
      const input = document.createElement("input");
      input.type = "text";
      input.inputMode = "decimal";
      input.autocomplete = "off";
      input.value = text;
      input.setAttribute("aria-labelledby", `fm-h-frequency ${number.id}`);
      filter(input);
      const commit = () => {
        const result = this.core.enterFmCell(this.doc, i + 1, input.value);
        input.value = this.core.fmValues(this.doc).cells[i];
        outcome(result);
        this.changed();
        return result;
      };
      input.addEventListener("change", commit);
      input.addEventListener("keydown", (e) => {
        if (e.key === "Enter") {
          e.preventDefault();
          const result = commit();
          // Ready for the next preset; a refused entry is typed again on its row.
          if ((result === "accepted" || result === "empty") && i + 1 < cells.length) edit(cells[i + 1]);
        } else if (e.key === "ArrowDown" || e.key === "ArrowUp") {
          e.preventDefault();
          edit(cells[Math.max(0, Math.min(cells.length - 1, i + (e.key === "ArrowDown" ? 1 : -1)))]);
        }
      });
      cells.push(input);
      row.append(number, document.createElement("td"));
      row.cells[1].appendChild(input);
    });
    const scroller = document.createElement("div");
    scroller.className = "fm-scroll";
    scroller.appendChild(table);

    const vfo = document.createElement("input");
    vfo.type = "text";
    vfo.inputMode = "decimal";
    vfo.autocomplete = "off";
    vfo.value = values.vfo;
    filter(vfo);
    vfo.addEventListener("input", () => {
      this.core.typeFmVfo(this.doc, vfo.value);
      this.changed();
    });
    const leaveVfo = () => {
      const checked = this.core.leaveFmVfo(this.doc, vfo.value);
      vfo.value = checked.text;
      outcome(checked.outcome);
      this.changed();
    };
    vfo.addEventListener("change", leaveVfo);
    vfo.addEventListener("keydown", (e) => {
      if (e.key !== "Enter") return;
      e.preventDefault();
      leaveVfo();
    });

    const present = document.createElement("input");
    present.type = "text";
    present.autocomplete = "off";
    present.value = values.present;
    present.setAttribute("list", "fm-present-entries");
    const entries = document.createElement("datalist");
    entries.id = "fm-present-entries";
    values.cells.forEach((_, i) => entries.appendChild(new Option(String(i + 1))));
    present.addEventListener("input", () => {
      this.core.typeFmPresent(this.doc, present.value);
      this.changed();
    });

    const mode = listBox(texts.fmDisplayModes, values.displayMode);
    mode.addEventListener("change", () => {
      this.core.setFmDisplayMode(this.doc, mode.selectedIndex);
      this.changed();
    });

    const ok = document.createElement("button");
    ok.type = "button";
    ok.textContent = texts.ok;
    ok.addEventListener("click", () => {
      if (vfo === document.activeElement) leaveVfo();
      if (!this.core.acceptFm(this.doc)) {
        this.say(texts.fmPresentNotWhole);
        present.focus();
        return;
      }
      this.changed();
      this.panel.close();
    });
    const cancel = document.createElement("button");
    cancel.type = "button";
    cancel.textContent = texts.cancel;
    cancel.addEventListener("click", () => this.panel.close());
    const buttons = document.createElement("div");
    buttons.className = "buttons";
    buttons.append(ok, cancel);

    const side = document.createElement("div");
    side.append(
      fieldRow(texts.fmVfo, vfo, "fm-vfo"),
      fieldRow(texts.fmPresentChannel, present, "fm-present"),
      entries,
      fieldRow(texts.fmDisplayMode, mode, "fm-display-mode"),
      buttons,
    );
    const layout = document.createElement("div");
    layout.className = "pair";
    layout.append(scroller, side);
    this.panel.body.replaceChildren(layout);
  }
}
