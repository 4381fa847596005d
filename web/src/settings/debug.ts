// "Debugging": the six power calibration sliders, three for each group. They take keys and
// moves while the debug mode allows it: from the start, and again after the hidden sequence
// unlocks it; its relock disables them, as on the desktop.
import type { Document } from "../core";
import { frame, Panel } from "./panel";
import type { SettingsCore, Texts } from "./settings_core";

const PAGE_STEP = 5;

export class DebugWindow {
  readonly panel: Panel;
  private sliders: HTMLInputElement[] = [];
  private enabled = true;

  constructor(
    host: HTMLElement,
    private readonly core: SettingsCore,
    private readonly doc: Document,
    private readonly changed: () => void,
  ) {
    this.panel = new Panel(host, "debug-window");
  }

  setEnabled(enabled: boolean): void {
    this.enabled = enabled;
    for (const s of this.sliders) s.disabled = !enabled;
  }

  show(texts: Texts, close: string): void {
    this.panel.setTitle(texts.debugTitle, close);
    const grades = this.core.powerGrades(this.doc);
    this.sliders = [];
    const group = (tab: number, title: string) =>
      frame(
        title,
        ...[0, 1, 2].map((k) => {
          const i = tab * 3 + k;
          const slider = document.createElement("input");
          slider.type = "range";
          slider.min = "0";
          slider.max = "255";
          slider.step = "1";
          slider.value = String(grades[i]);
          slider.disabled = !this.enabled;
          slider.setAttribute("aria-label", `${title}: ${texts.powerFrames[i]}`);
          const value = document.createElement("output");
          value.textContent = slider.value;
          const move = (to: number) => {
            this.core.setPowerGrade(this.doc, i, to);
            slider.value = String(this.core.powerGrades(this.doc)[i]);
            value.textContent = slider.value;
            this.changed();
          };
          slider.addEventListener("input", () => move(Number(slider.value)));
          slider.addEventListener("keydown", (e) => {
            if (e.key !== "PageUp" && e.key !== "PageDown") return;
            e.preventDefault();
            move(Number(slider.value) + (e.key === "PageUp" ? PAGE_STEP : -PAGE_STEP));
          });
          this.sliders.push(slider);
          const low = document.createElement("span");
          low.textContent = texts.debugLow;
          const high = document.createElement("span");
          high.textContent = texts.debugHigh;
          const row = document.createElement("div");
          row.className = "slider";
          row.append(low, slider, high, value);
          return frame(texts.powerFrames[i], row);
        }),
      );
    const tabs = document.createElement("div");
    tabs.className = "pair";
    tabs.append(group(0, texts.debugTabA), group(1, texts.debugTabB));
    this.panel.body.replaceChildren(tabs);
  }
}
