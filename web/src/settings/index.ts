// The settings on the page: the band selector, the commands that open the settings windows
// (Optional Features, DTMF, Debug Information, FM Channel Set) in the desktop's words, and the
// buttons that lock an unlocked hidden mode again (two clicks within a second).
import type { Core, Document } from "../core";
import { BandSelector } from "./band";
import { DebugWindow } from "./debug";
import { DtmfWindow } from "./dtmf";
import { FmWindow } from "./fm";
import { OptionsWindow } from "./options";
import type { Panel } from "./panel";
import { msecsSinceMidnight, plain, type SettingsCore, type Texts } from "./settings_core";

export interface SettingsHooks {
  // A change of the document; `channels` when the channel table changed with it.
  changed(channels?: boolean): void;
  // A message for the page's status region.
  say(message: string): void;
}

const RELOCK_TIPS = [
  "Lock the hidden mode again (double-click)",
  "Lock the debug mode again (double-click)",
  "Lock the FM mode again (double-click)",
];

export class Settings {
  readonly bar: HTMLElement;
  readonly windows: HTMLElement;
  private readonly core: SettingsCore;
  private readonly band: BandSelector;
  private readonly options: OptionsWindow;
  private readonly dtmf: DtmfWindow;
  private readonly debug: DebugWindow;
  private readonly fm: FmWindow;
  private readonly commands: [HTMLButtonElement, Panel, string][] = [];
  private readonly relocks: HTMLButtonElement[] = [];
  private texts: Texts | null = null;
  // The windows are laid out again only while one is shown, or when one opens: a grid edit
  // does not rebuild hidden windows' lists.
  private windowsLang = "";
  private windowsStale = true;

  constructor(core: Core, private readonly doc: Document, private readonly hooks: SettingsHooks) {
    this.core = core as SettingsCore;
    this.bar = document.createElement("div");
    this.bar.className = "settings-bar";
    this.windows = document.createElement("div");
    this.windows.className = "windows";
    this.band = new BandSelector(this.core, doc, hooks.changed);
    this.options = new OptionsWindow(this.windows, this.core, doc, hooks.changed, (mode) => this.unlock(mode));
    this.dtmf = new DtmfWindow(this.windows, this.core, doc, hooks.changed);
    this.debug = new DebugWindow(this.windows, this.core, doc, hooks.changed);
    this.fm = new FmWindow(this.windows, this.core, doc, hooks.changed, hooks.say);
    this.bar.appendChild(this.band.element);
    for (const [panel, words] of [
      [this.options.panel, "Optional Features(&P)"],
      [this.dtmf.panel, "DTMF(&D)"],
      [this.debug.panel, "Debug Information(&B)"],
      [this.fm.panel, "FM Channel Set"],
    ] as const) {
      const button = document.createElement("button");
      button.type = "button";
      button.setAttribute("aria-haspopup", "dialog");
      button.addEventListener("click", () => {
        this.showWindows();
        panel.open(button);
      });
      this.bar.appendChild(button);
      this.commands.push([button, panel, words]);
    }
    RELOCK_TIPS.forEach((_, mode) => {
      const button = document.createElement("button");
      button.type = "button";
      button.className = "relock";
      button.textContent = "\u{1F513}";
      button.hidden = !this.core.hiddenModes(doc)[mode];
      button.addEventListener("click", () => this.relock(mode));
      this.bar.appendChild(button);
      this.relocks.push(button);
    });
  }

  // Every text in `lang` and every field from the document (after a language change or a load).
  show(lang: string): void {
    const texts = this.core.settingsTexts(lang);
    this.texts = texts;
    this.band.show(this.core.words("MainTexts", "Frequency", lang), texts);
    for (const [button, , words] of this.commands) button.textContent = plain(this.core.words("MainTexts", words, lang));
    this.relocks.forEach((button, mode) => {
      const tip = this.core.words("MainTexts", RELOCK_TIPS[mode], lang);
      button.title = tip;
      button.setAttribute("aria-label", tip);
    });
    this.windowsLang = lang;
    this.windowsStale = true;
    if (this.commands.some(([, panel]) => panel.shown)) this.showWindows();
  }

  private showWindows(): void {
    if (!this.windowsStale || !this.texts) return;
    this.windowsStale = false;
    const texts = this.texts;
    const close = this.core.words("PrintPreviewWindow", "Close", this.windowsLang);
    this.options.show(this.windowsLang, texts, close);
    this.dtmf.show(texts, close);
    this.debug.show(texts, close);
    this.fm.show(texts, close);
  }

  textsIn(lang: string): Texts {
    return this.core.settingsTexts(lang);
  }

  private unlock(mode: number): void {
    this.relocks[mode].hidden = false;
    if (mode === 1) this.debug.setEnabled(true);
    this.hooks.say(this.texts!.unlocked);
  }

  private relock(mode: number): void {
    if (!this.core.clickRelock(this.doc, mode, msecsSinceMidnight() / 1000)) return;
    const button = this.relocks[mode];
    // The focus goes to the window the hidden modes are unlocked in, not to the page.
    this.commands[0][0].focus();
    button.hidden = true;
    if (mode === 1) this.debug.setEnabled(false);
    this.hooks.say(this.texts!.locked);
  }
}
