// The printout as a printable page: the core's elements (rules/printout, the desktop's print
// preview and talvo-cli print) laid out as pages; the browser's Print, and its Save as PDF,
// print the printout alone.
import type { Core, Document } from "../core";
import { Panel } from "../settings/panel";
import { plain, type PrintoutElement, type PrintoutGrid, type SettingsCore } from "../settings/settings_core";

function element<K extends keyof HTMLElementTagNameMap>(tag: K, className: string, text?: string) {
  const e = document.createElement(tag);
  e.className = className;
  if (text !== undefined) e.textContent = text;
  return e;
}

function gridTable(grid: PrintoutGrid, caption: string): HTMLTableElement {
  const table = element("table", "print-grid");
  table.createCaption().textContent = caption;
  const head = table.createTHead().insertRow();
  grid.header.forEach((h, c) => {
    const th = element("th", "", h);
    th.scope = "col";
    th.style.width = `${grid.columnTwips[c] / 1440}in`;
    head.appendChild(th);
  });
  const body = table.createTBody();
  for (const row of grid.rows) {
    const tr = body.insertRow();
    for (const cell of row) tr.insertCell().textContent = cell;
  }
  return table;
}

// The pages of the printout: each "newPage" starts one; the rows between other elements make
// one two-column table.
export function renderPrintout(elements: PrintoutElement[], grid: PrintoutGrid): HTMLElement {
  const out = element("div", "printout");
  let page: HTMLElement | null = null;
  let rows: HTMLTableSectionElement | null = null;
  const current = () => (page ??= out.appendChild(element("section", "print-page")));
  for (const e of elements) {
    if (e.kind !== "row") rows = null;
    switch (e.kind) {
      case "newPage":
        page = out.appendChild(element("section", "print-page"));
        break;
      case "title":
        current().appendChild(element("h3", "print-title", e.text));
        break;
      case "heading":
        current().appendChild(element("h4", "print-heading", e.text));
        break;
      case "lineFeed":
        current().appendChild(element("div", "print-line"));
        break;
      case "row": {
        rows ??= current().appendChild(element("table", "print-rows")).createTBody();
        const tr = rows.insertRow();
        const caption = element("th", "", e.text);
        caption.scope = "row";
        tr.append(caption, element("td", "", e.value));
        break;
      }
      case "grid":
        current().appendChild(gridTable(grid, e.text));
        break;
    }
  }
  return out;
}

export class PrintWindow {
  readonly command: HTMLButtonElement;
  private readonly panel: Panel;
  private readonly core: SettingsCore;
  private readonly printButton: HTMLButtonElement;
  private readonly hint: HTMLParagraphElement;
  private lang = "en";

  constructor(core: Core, private readonly doc: Document, host: HTMLElement) {
    this.core = core as SettingsCore;
    this.panel = new Panel(host, "print-window");
    this.command = document.createElement("button");
    this.command.type = "button";
    this.command.setAttribute("aria-haspopup", "dialog");
    this.command.addEventListener("click", () => {
      this.render();
      this.panel.open(this.command, this.printButton);
    });
    this.printButton = document.createElement("button");
    this.printButton.type = "button";
    this.printButton.addEventListener("click", () => {
      this.render();
      window.print();
    });
    this.hint = element("p", "print-hint");
  }

  show(lang: string): void {
    this.lang = lang;
    const words = (source: string) => this.core.words("PrintPreviewWindow", source, lang);
    this.command.textContent = plain(this.core.words("MainTexts", "Print(&P)", lang));
    this.panel.setTitle(words("Print preview"), words("Close"));
    this.printButton.textContent = words("Print");
    this.hint.textContent = this.core.settingsTexts(lang).printPage;
    if (this.panel.shown) this.render();
  }

  // The printout from what the document holds now, in the page's language.
  private render(): void {
    const printout = renderPrintout(this.core.printout(this.doc, this.lang), this.core.printoutGrid(this.doc, this.lang));
    this.panel.body.replaceChildren(this.printButton, this.hint, printout);
  }
}
