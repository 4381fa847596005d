// The language the page shows: the one chosen last (kept in this browser), else the browser's
// own when the core has it, else English. A change shows at once.
import type { Core } from "../core";

const KEY = "talvo.language";

export function startLanguage(core: Core): string {
  const codes = core.languages();
  let kept: string | null = null;
  try {
    kept = localStorage.getItem(KEY);
  } catch {
    // Storage may be off (private windows): the choice is then not kept.
  }
  if (kept && codes.includes(kept)) return kept;
  const preferred = navigator.language.slice(0, 2);
  return codes.includes(preferred) ? preferred : "en";
}

export function keepLanguage(code: string): void {
  try {
    localStorage.setItem(KEY, code);
  } catch {
    // As above.
  }
}
