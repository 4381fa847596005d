// Import Channels (CSV): the file's preview with the core's report on every row that is not
// taken as it is, the placement (by Location, or in file order into the free channels from a
// channel), then the import as one step of the history.
import { plain, type Page } from "../grid/edit_core";

export class CsvImport {
  readonly button: HTMLButtonElement;
  private readonly input: HTMLInputElement;

  constructor(private readonly page: Page) {
    this.button = document.createElement("button");
    this.button.type = "button";
    this.input = document.createElement("input");
    this.input.type = "file";
    this.input.accept = ".csv,text/csv";
    this.input.hidden = true;
    this.button.addEventListener("click", () => this.input.click());
    this.input.addEventListener("change", () => {
      const file = this.input.files?.[0];
      this.input.value = "";
      if (!file) return;
      file.arrayBuffer().then(
        (b) => this.preview(new Uint8Array(b), file.name),
        (e: unknown) => this.page.tell(String(e)),
      );
    });
  }

  show(): void {
    this.button.textContent = plain(this.page.core.words("MainExchange", "Import Channels (CSV)…", this.page.lang()));
  }

  get elements(): HTMLElement[] {
    return [this.button, this.input];
  }

  // The preview of `bytes`; an unreadable file is told in the page's message place.
  preview(bytes: Uint8Array, fileName: string): void {
    const { core, doc } = this.page;
    const lang = this.page.lang();
    const w = (source: string) => core.words("CsvImportDialog", source, lang);
    const first = core.csvImportPreview(doc, bytes, fileName, 0, lang);
    if (!first.readable) {
      this.page.tell(first.lines.join("\n"));
      return;
    }
    const dialog = document.createElement("dialog");
    dialog.className = "csv-import";
    dialog.setAttribute("aria-label", w("Import Channels (CSV)"));
    const heading = document.createElement("h2");
    heading.textContent = w("Import Channels (CSV)");

    const placement = document.createElement("fieldset");
    const legend = document.createElement("legend");
    legend.textContent = w("Placement");
    const radio = (words: string, checked: boolean) => {
      const label = document.createElement("label");
      const input = document.createElement("input");
      input.type = "radio";
      input.name = "csv-placement";
      input.checked = checked;
      label.append(input, " ", words);
      return { label, input };
    };
    const byLocation = radio(w("By Location: row n becomes channel n"), true);
    const intoFree = radio(w("In file order into the free channels from channel:"), false);
    const from = document.createElement("input");
    from.type = "number";
    from.min = "1";
    from.max = String(core.channelCount());
    from.value = "1";
    from.setAttribute("aria-label", w("In file order into the free channels from channel:"));
    placement.append(legend, byLocation.label, document.createElement("br"), intoFree.label, " ", from);

    const summary = document.createElement("p");
    summary.className = "csv-summary";
    const rows = document.createElement("ul");
    rows.className = "csv-rows";
    rows.setAttribute("aria-label", w("Details"));
    const importButton = document.createElement("button");
    importButton.type = "button";
    importButton.textContent = w("Import");
    const cancel = document.createElement("button");
    cancel.type = "button";
    cancel.textContent = w("Cancel");

    const firstFree = () => {
      const n = Math.trunc(Number(from.value));
      return intoFree.input.checked && n >= 1 && n <= core.channelCount() ? n : 0;
    };
    const refresh = () => {
      const p = core.csvImportPreview(doc, bytes, fileName, firstFree(), lang);
      summary.textContent = p.lines.join("\n");
      rows.replaceChildren(
        ...p.rows.map((line) => {
          const li = document.createElement("li");
          li.textContent = line;
          return li;
        }),
      );
      importButton.disabled = p.taken === 0;
    };
    for (const input of [byLocation.input, intoFree.input, from]) input.addEventListener("input", refresh);
    const back = document.activeElement as HTMLElement | null;
    const close = () => {
      dialog.close();
      dialog.remove();
      back?.focus();
    };
    cancel.addEventListener("click", close);
    dialog.addEventListener("cancel", (e) => {
      e.preventDefault();
      close();
    });
    importButton.addEventListener("click", () => {
      core.csvImport(doc, bytes, firstFree());
      close();
      this.page.changed();
    });
    const buttons = document.createElement("div");
    buttons.append(importButton, cancel);
    dialog.append(heading, placement, summary, rows, buttons);
    refresh();
    document.body.appendChild(dialog);
    dialog.showModal();
  }
}
