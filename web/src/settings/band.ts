// The band selector. A choice of another band asks first, as the desktop's list does when it
// is opened and another band picked: OK changes the band and empties the channel table as one
// change, Cancel puts the band back. The question and its rule are the core's.
import type { Document } from "../core";
import { ask } from "./question";
import type { SettingsCore, Texts } from "./settings_core";

export class BandSelector {
  readonly element: HTMLElement;
  private readonly label: HTMLLabelElement;
  private readonly select: HTMLSelectElement;
  private texts: Texts | null = null;

  constructor(
    private readonly core: SettingsCore,
    private readonly doc: Document,
    private readonly changed: (channels?: boolean) => void,
  ) {
    this.element = document.createElement("span");
    this.element.className = "band";
    this.label = document.createElement("label");
    this.select = document.createElement("select");
    this.select.id = "band";
    this.label.htmlFor = this.select.id;
    for (const entry of core.bandEntries()) this.select.add(new Option(entry));
    this.element.append(this.label, this.select);
    this.select.addEventListener("change", () => void this.choose(this.select.selectedIndex));
  }

  show(caption: string, texts: Texts): void {
    this.texts = texts;
    this.label.textContent = caption;
    this.select.selectedIndex = this.core.bandIndex(this.doc);
  }

  private async choose(index: number): Promise<void> {
    const texts = this.texts!;
    const previous = this.core.bandIndex(this.doc);
    // Every choice made on the page is the user's own, as a pick from the opened list is.
    this.core.bandListOpened(this.doc);
    if (!this.core.bandAsks(this.doc, index)) {
      this.core.chooseBand(this.doc, index, false);
      this.changed();
      return;
    }
    const ok = await ask(texts.bandQuestion, texts.bandTitle, texts.ok, texts.cancel);
    this.core.chooseBand(this.doc, ok ? index : previous, ok);
    this.select.selectedIndex = this.core.bandIndex(this.doc);
    this.changed(ok);
  }
}
