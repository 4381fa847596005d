// The page: the file commands, the channel grid with its commands, CSV import and export, the
// settings and the printout, the radio's Read and Write, the language; every message to the user goes to the one status
// region.
import { loadCore } from "./core";
import { CsvImport } from "./files/csv_import";
import { download, Files, type FileHandle } from "./files/files";
import { keepLanguage, startLanguage } from "./files/language_choice";
import { ChannelGrid } from "./grid/channel_grid";
import type { EditCore, EditDocument, Page } from "./grid/edit_core";
import { plain } from "./grid/edit_core";
import { GridCommands } from "./grid/grid_commands";
import { keepOffline, openLaunchedFiles } from "./offline/offline";
import { PrintWindow } from "./print/print";
import { setupTransfer } from "./serial/transfer_ui";
import { Settings } from "./settings";

async function main(): Promise<void> {
  const status = document.getElementById("status")!;
  const core = (await loadCore()) as EditCore;
  const doc = new core.Document() as EditDocument;
  const languages = document.getElementById("language") as HTMLSelectElement;
  for (const code of core.languages()) {
    languages.add(new Option(core.languageName(code), code));
  }
  languages.value = startLanguage(core);

  let refresh = () => {};
  const page: Page = {
    core,
    doc,
    lang: () => languages.value,
    tell: (message) => {
      status.textContent = message;
    },
    changed: () => refresh(),
  };

  const files = new Files(page);
  const grid = new ChannelGrid(page);
  const commands = new GridCommands(page, grid);
  const csvImport = new CsvImport(page);
  files.onDroppedCsv = (bytes, name) => csvImport.preview(bytes, name);
  const header = document.querySelector("header")!;
  header.prepend(files.element);
  const exportCsv = document.getElementById("export-csv") as HTMLButtonElement;
  exportCsv.before(...csvImport.elements);
  document.getElementById("channels")!.append(commands.element, grid.element);
  // The settings change the document themselves; the rest of the page then shows the result.
  let showAround = () => {};
  // The settings' windows are drawn again only when the language or, by another command than
  // theirs, the document changed: a save or a grid edit leaves the field being typed in alone.
  let settingsShown = { lang: "", revision: -1 };
  const settings = new Settings(core, doc, {
    changed: () => {
      settingsShown.revision = doc.revision();
      showAround();
    },
    say: page.tell,
  });
  const print = new PrintWindow(core, doc, settings.windows);
  settings.bar.appendChild(print.command);
  header.after(settings.bar, settings.windows);
  // Read and Write over the serial line; a read replaces the document as one step.
  const transfer = setupTransfer({ core, doc, lang: () => languages.value, say: page.tell, replaced: () => refresh() });

  showAround = () => {
    const lang = languages.value;
    document.documentElement.lang = lang;
    files.show();
    csvImport.show();
    commands.show();
    commands.refind();
    exportCsv.textContent = plain(core.words("MainExchange", "Export Channels (CSV)…", lang));
    exportCsv.disabled = false;
    languages.setAttribute("aria-label", plain(core.words("MainTexts", "Language Select(&L)", lang)));
    status.setAttribute("aria-label", core.words("WebPage", "Messages", lang));
    grid.element.setAttribute("aria-label", core.words("ChannelTableWindow", "Channel Edit", lang));
    grid.show();
    print.show(lang);
    transfer.retranslate();
  };
  refresh = () => {
    showAround();
    const now = { lang: languages.value, revision: doc.revision() };
    if (now.lang === settingsShown.lang && now.revision === settingsShown.revision) return;
    settingsShown = now;
    settings.show(now.lang);
  };
  languages.addEventListener("change", () => {
    keepLanguage(languages.value);
    refresh();
  });
  exportCsv.addEventListener("click", () => {
    const name = files.name().replace(/\.dat$/i, "") || plain(core.words("MainDocument", "Untitled", languages.value));
    download(doc.csv(), "text/csv", name + ".csv");
    page.tell(doc.csvNotes(languages.value).join("\n"));
  });
  // A handle the page may write to is kept, so Save writes back into the launched file.
  openLaunchedFiles((file, handle) =>
    files.openFile(file, "createWritable" in handle ? (handle as FileHandle) : null),
  );
  refresh();
  keepOffline(() => page.tell(settings.textsIn(languages.value).updated));
}

main().catch((e: unknown) => {
  document.getElementById("status")!.textContent = String(e);
});
