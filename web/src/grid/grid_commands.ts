// The channel grid's commands, as buttons named with the desktop's words and as the desktop's
// keys: cut, copy, paste, delete, insert, delete and move up, move up and down, sort by the
// current column, find, undo and redo. The core does each; this file only routes them.
import type { ChannelGrid } from "./channel_grid";
import { askColumnValue } from "./column_value";
import { askFillSeries } from "./fill_series";
import { plain, type Page } from "./edit_core";

interface Command {
  context: string;
  source: string;
  run: () => void | Promise<void>;
  // Whether `e` is this command's key.
  key: (e: KeyboardEvent) => boolean;
}

const ctrl = (e: KeyboardEvent, k: string) =>
  (e.ctrlKey || e.metaKey) && !e.altKey && !e.shiftKey && e.key.toLowerCase() === k;

export class GridCommands {
  readonly element: HTMLElement;
  private readonly buttons: [HTMLButtonElement, Command][] = [];
  private readonly find: HTMLInputElement;
  private readonly findWords: HTMLSpanElement;
  private readonly findCount: HTMLSpanElement;
  private found: number[] = [];
  private position = 0;
  // What this page copied last: a paste of the same text takes the channels byte for byte.
  private copied: { text: string; own: Uint8Array } | null = null;

  constructor(
    private readonly page: Page,
    private readonly grid: ChannelGrid,
  ) {
    const { core, doc } = page;
    const ops = "ChannelActions";
    const commands: Command[] = [
      { context: "MainDocument", source: "Undo", run: () => this.history(true), key: (e) => ctrl(e, "z") },
      {
        context: "MainDocument",
        source: "Redo",
        run: () => this.history(false),
        key: (e) => ctrl(e, "y") || ((e.ctrlKey || e.metaKey) && e.shiftKey && e.key.toLowerCase() === "z"),
      },
      { context: ops, source: "Cut Channels(&T)", run: () => this.copy(true), key: (e) => ctrl(e, "x") },
      { context: ops, source: "Copy Channels(&C)", run: () => this.copy(false), key: (e) => ctrl(e, "c") },
      { context: ops, source: "Paste Channels(&V)", run: () => this.paste(), key: (e) => ctrl(e, "v") },
      {
        context: ops,
        source: "Delete Channels(&E)",
        run: () => this.act(() => core.clearChannels(doc, grid.operationChannels())),
        key: (e) => e.key === "Delete" && !e.ctrlKey && !e.altKey && !e.shiftKey,
      },
      {
        context: ops,
        source: "Insert Free Channel(&I)",
        run: () => this.insert(),
        key: (e) => e.key === "Insert" && !e.ctrlKey && !e.altKey && !e.shiftKey,
      },
      {
        context: ops,
        source: "Delete and Move Up(&L)",
        run: () => this.deleteMoveUp(),
        key: (e) => e.key === "Delete" && e.ctrlKey && !e.altKey && !e.shiftKey,
      },
      {
        context: ops,
        source: "Move Channels Up(&U)",
        run: () => this.move(true),
        key: (e) => e.key === "ArrowUp" && e.altKey && !e.ctrlKey && !e.shiftKey,
      },
      {
        context: ops,
        source: "Move Channels Down(&O)",
        run: () => this.move(false),
        key: (e) => e.key === "ArrowDown" && e.altKey && !e.ctrlKey && !e.shiftKey,
      },
      {
        context: "GridTools",
        source: "Sort by This Column, Ascending(&A)",
        run: () => this.sort(false),
        key: (e) => e.key === "ArrowUp" && e.ctrlKey && e.shiftKey && !e.altKey,
      },
      {
        context: "GridTools",
        source: "Sort by This Column, Descending(&D)",
        run: () => this.sort(true),
        key: (e) => e.key === "ArrowDown" && e.ctrlKey && e.shiftKey && !e.altKey,
      },
      {
        context: "GridTools",
        source: "Set %1 of Chosen Channels(&K)…",
        run: () => this.setColumn(),
        key: () => false,
      },
      { context: "GridTools", source: "Fill Series(&G)…", run: () => this.fill(), key: () => false },
      {
        context: "GridTools",
        source: "Find Channels(&F)…",
        run: () => this.find.focus(),
        key: (e) => (e.ctrlKey || e.metaKey) && e.shiftKey && !e.altKey && e.key.toLowerCase() === "f",
      },
      {
        context: "GridTools",
        source: "Find Next(&N)",
        run: () => this.findStep(true),
        key: (e) => e.key === "F3" && !e.shiftKey && !e.ctrlKey && !e.altKey,
      },
      {
        context: "GridTools",
        source: "Find Previous(&R)",
        run: () => this.findStep(false),
        key: (e) => e.key === "F3" && e.shiftKey && !e.ctrlKey && !e.altKey,
      },
      {
        context: "GridTools",
        source: "Choose All Channels(&A)",
        run: () => this.grid.choose(this.grid.shown()),
        key: (e) => (e.ctrlKey || e.metaKey) && e.shiftKey && !e.altKey && e.key.toLowerCase() === "a",
      },
    ];

    this.element = document.createElement("div");
    this.element.className = "grid-commands";
    this.element.setAttribute("role", "group");
    for (const command of commands) {
      const button = document.createElement("button");
      button.type = "button";
      button.addEventListener("click", () => void command.run());
      this.element.appendChild(button);
      this.buttons.push([button, command]);
    }
    const findLabel = document.createElement("label");
    this.findWords = document.createElement("span");
    this.find = document.createElement("input");
    this.find.type = "search";
    findLabel.append(this.findWords, " ", this.find);
    this.findCount = document.createElement("span");
    this.findCount.className = "find-count";
    this.element.append(findLabel, this.findCount);
    this.find.addEventListener("input", () => this.runFind());
    this.find.addEventListener("keydown", (e) => {
      if (e.key === "F3") {
        e.preventDefault();
        this.findStep(!e.shiftKey);
      } else if (e.key === "Escape") {
        this.find.value = "";
        this.runFind();
        grid.focus();
      } else if (e.key === "Enter") {
        grid.focus();
      }
    });
    // The column a column set is for follows the current cell.
    grid.element.addEventListener("focusin", () => this.show());
    // The grid's own keys; an open cell editor keeps its keys to itself.
    grid.element.addEventListener("keydown", (e) => {
      if (e.target instanceof HTMLInputElement || e.target instanceof HTMLSelectElement) return;
      const command = commands.find((c) => c.key(e));
      if (!command) return;
      e.preventDefault();
      e.stopPropagation();
      void command.run();
    });
    document.addEventListener("keydown", (e) => {
      if (e.defaultPrevented || grid.element.contains(e.target as Node)) return;
      if (e.target instanceof HTMLInputElement || e.target instanceof HTMLSelectElement) return;
      const command = commands.slice(0, 2).find((c) => c.key(e));
      if (!command) return;
      e.preventDefault();
      void command.run();
    });
  }

  // The buttons' names and the find box's words in the page's language.
  show(): void {
    const { core, doc } = this.page;
    const lang = this.page.lang();
    const column = Math.max(this.grid.current().column, 1);
    for (const [button, command] of this.buttons) {
      button.textContent = plain(core.words(command.context, command.source, lang)).replace(
        "%1",
        core.columnHeader(column, lang),
      );
    }
    this.element.setAttribute("aria-label", plain(core.words("MainTexts", "Edit(&E)", lang)));
    this.buttons[0][0].disabled = !doc.canUndo();
    this.buttons[1][0].disabled = !doc.canRedo();
    this.findWords.textContent = plain(core.words("ChannelFilterBar", "&Find:", lang));
    this.find.setAttribute("aria-label", core.words("ChannelFilterBar", "Find channels", lang));
    this.find.placeholder = core.words("ChannelFilterBar", "Frequency, tone, name…", lang);
  }

  // The find box again after a change of the document or the language.
  refind(): void {
    if (this.find.value.trim()) this.runFind();
  }

  private runFind(): void {
    const text = this.find.value;
    const { core, doc } = this.page;
    this.found = text.trim() ? core.findChannels(doc, text, this.page.lang()) : [];
    this.position = 0;
    this.grid.showOnly(text.trim() ? this.found : null);
    this.showCount();
  }

  // "12 found", or "3 of 12" once Find Next or Previous went to one of them.
  private showCount(): void {
    const { core } = this.page;
    const lang = this.page.lang();
    const n = this.found.length;
    this.findCount.textContent = !this.find.value.trim()
      ? ""
      : this.position > 0
        ? core.words("ChannelFilterBar", "%1 of %2", lang).replace("%1", String(this.position)).replace("%2", String(n))
        : core.countedWords("ChannelFilterBar", "%n found", "%n found", n, lang);
  }

  // The next (or previous) channel found after the current one, round the end.
  private findStep(forward: boolean): void {
    if (!this.find.value.trim()) {
      this.find.focus();
      return;
    }
    if (this.found.length === 0) return;
    const current = this.grid.current().channel;
    let at = forward ? this.found.findIndex((ch) => ch > current) : this.found.filter((ch) => ch < current).length - 1;
    if (at < 0) at = forward ? 0 : this.found.length - 1;
    this.position = at + 1;
    this.grid.setCurrent(this.found[at]);
    this.showCount();
  }

  // Runs a change of the document; the grid shows it and keeps the keyboard.
  private act(change: () => unknown): void {
    this.grid.closeEditor("commit");
    change();
    this.page.changed();
    this.grid.focus();
  }

  private history(undo: boolean): void {
    this.grid.closeEditor("commit");
    const { doc } = this.page;
    if (undo ? doc.undo() : doc.redo()) this.page.changed();
  }

  private async copy(cut: boolean): Promise<void> {
    const { core, doc } = this.page;
    this.grid.closeEditor("commit");
    const channels = this.grid.operationChannels();
    if (channels.length === 0) return;
    const text = core.channelsText(doc, channels);
    this.copied = { text, own: core.copyChannels(doc, channels, this.grid.shown()) };
    if (cut) this.act(() => core.clearChannels(doc, channels));
    try {
      await navigator.clipboard.writeText(text);
    } catch {
      // No system clipboard for this page: the page's own copy still pastes.
    }
  }

  private async paste(): Promise<void> {
    const { core, doc } = this.page;
    this.grid.closeEditor("commit");
    const at = this.grid.operationChannels()[0];
    if (at === undefined) return;
    let text: string | null = this.copied?.text ?? null;
    try {
      text = await navigator.clipboard.readText();
    } catch {
      // The page's own copy, when the system clipboard cannot be read.
    }
    const own = this.copied && text === this.copied.text ? this.copied.own : null;
    const result = core.pasteChannels(doc, at, this.grid.shown(), own, text, this.page.lang());
    if (result.pasted.length > 0) this.grid.choose(result.pasted);
    this.page.changed();
    this.grid.focus();
    if (result.message) this.page.tell(result.message);
  }

  private insert(): void {
    const { core, doc } = this.page;
    this.grid.closeEditor("commit");
    const at = this.grid.operationChannels()[0];
    if (at === undefined) return;
    const refusal = core.insertChannel(doc, at, this.grid.shown(), this.page.lang());
    if (refusal) {
      this.page.tell(refusal);
      return;
    }
    // The new free channel is chosen and current, ready for its frequency.
    this.grid.choose([at]);
    this.grid.setCurrent(at, 1);
    this.act(() => undefined);
  }

  private deleteMoveUp(): void {
    const { core, doc } = this.page;
    const channels = this.grid.operationChannels();
    if (channels.length === 0) return;
    this.act(() => core.deleteMoveUp(doc, channels, this.grid.shown()));
    this.grid.choose([]);
    this.grid.setCurrent(channels[0]);
  }

  private move(up: boolean): void {
    const { core, doc } = this.page;
    const channels = this.grid.operationChannels();
    if (channels.length === 0) return;
    const chosen = !this.grid.selection.empty();
    const moved = core.moveChannels(doc, channels, up, this.grid.shown());
    if (!moved) return;
    if (chosen) this.grid.choose(moved);
    const shown = this.grid.shown();
    const at = shown.indexOf(this.grid.current().channel) + (up ? -1 : 1);
    if (at >= 0 && at < shown.length) this.grid.setCurrent(shown[at]);
    this.act(() => undefined);
  }

  // The channels a column set or a fill is for: from the find box, with nothing chosen, the
  // channels found; else those the operations act on.
  private commandChannels(): number[] {
    this.grid.closeEditor("commit");
    const fromBox = document.activeElement === this.find;
    return fromBox && this.grid.selection.empty() ? this.grid.shown() : this.grid.operationChannels();
  }

  private fill(): void {
    const channels = this.commandChannels();
    if (channels.length > 0) askFillSeries(this.page, channels, () => this.grid.focus());
  }

  private setColumn(): void {
    const channels = this.commandChannels();
    if (channels.length === 0) return;
    const { channel, column } = this.grid.current();
    askColumnValue(this.page, channels, channel, Math.max(column, 1), () => this.grid.focus());
  }

  private sort(descending: boolean): void {
    const { core, doc } = this.page;
    const column = this.grid.current().column;
    if (column < 1) return;
    const chosen = this.grid.selection.empty() ? [] : this.grid.operationChannels();
    this.act(() => core.sortChannels(doc, chosen, this.grid.shown(), column, descending));
  }
}
