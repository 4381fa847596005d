// "DTMF": the other-features page the desktop window opens on (rate, first digit delay, ANI
// codes and mode). The values belong to the running page only, as on the desktop.
import type { Document } from "../core";
import { fieldRow, listBox, Panel } from "./panel";
import type { SettingsCore, Texts } from "./settings_core";

export class DtmfWindow {
  readonly panel: Panel;

  constructor(
    host: HTMLElement,
    private readonly core: SettingsCore,
    private readonly doc: Document,
    private readonly changed: () => void,
  ) {
    this.panel = new Panel(host, "dtmf-window");
  }

  show(texts: Texts, close: string): void {
    this.panel.setTitle(texts.dtmfTitle, close);
    const values = this.core.dtmfValues(this.doc);
    const list = (field: "rate" | "delay" | "aniMode", entries: string[]) => {
      const select = listBox(entries, values[field]);
      select.addEventListener("change", () => {
        this.core.setDtmfList(this.doc, field, select.selectedIndex);
        this.changed();
      });
      return select;
    };
    const code = (field: "aniStart" | "aniEnd") => {
      const input = document.createElement("input");
      input.type = "text";
      input.autocomplete = "off";
      input.value = values[field];
      input.addEventListener("input", () => {
        const kept = this.core.typeDtmfText(this.doc, field, input.value);
        if (kept !== input.value) input.value = kept;
        this.changed();
      });
      input.addEventListener("keydown", (e) => e.key === "Enter" && e.preventDefault());
      return input;
    };
    this.panel.body.replaceChildren(
      fieldRow(texts.dtmfRate, list("rate", texts.dtmfRates), "dtmf-rate"),
      fieldRow(texts.dtmfDelay, list("delay", texts.dtmfDelays), "dtmf-delay"),
      fieldRow(texts.dtmfAniStart, code("aniStart"), "dtmf-ani-start"),
      fieldRow(texts.dtmfAniEnd, code("aniEnd"), "dtmf-ani-end"),
      fieldRow(texts.dtmfAniMode, list("aniMode", texts.dtmfAniModes), "dtmf-ani-mode"),
    );
  }
}
