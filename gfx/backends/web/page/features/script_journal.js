// The journal: the script this tab saved last, written into localStorage when the page
// is hidden or goes away, since the save issued then may be cut off with the page (a
// hidden page may be discarded). The next visit stores it unless a later save came.
// May not: hold more than one script, or keep an entry it has read.
import { formerScript, StorageName } from './script_store.js';
import { latin1 } from '../wire/text_lines.js';

const JournalKey = `${StorageName} at the end of a page`;
// The key the page's earlier versions wrote, named after the first program of the page:
// an entry left there is taken as the journal's own.
const FormerJournalKey = 'fenns-town DROVA.SCR at the end of a page';

// Written at once, so it outlives a page cut off right after.
export function keepInJournal({ bytes, savedAt }) {
  try {
    localStorage.setItem(JournalKey, JSON.stringify({ text: latin1(bytes), savedAt }));
  } catch {
    // too large for it, or no localStorage: the save already issued is all there is
  }
}

// The script to start from: the journal's when it is newer than the stored one (it is
// stored now), else the stored one, else one an earlier version of the page kept (it
// becomes the record). onFailure is told of a store that fails to take it.
export async function recoverScript(store, onFailure) {
  const journal = takeJournal();
  const stored = await store.load();
  if (journal && !(stored && stored.savedAt >= journal.savedAt)) {
    await store.save(journal.bytes, journal.savedAt).catch(onFailure);
    return journal.bytes;
  }
  return stored?.bytes ?? (await adoptFormerScript(store));
}

function takeJournal() {
  try {
    const text = localStorage.getItem(JournalKey) ?? localStorage.getItem(FormerJournalKey);
    localStorage.removeItem(JournalKey);
    localStorage.removeItem(FormerJournalKey);
    const entry = JSON.parse(text);
    if (!entry) return null;
    return { bytes: Uint8Array.from(entry.text, (c) => c.charCodeAt(0)), savedAt: entry.savedAt };
  } catch {
    return null;
  }
}

async function adoptFormerScript(store) {
  if (!store.durable) return null;
  try {
    const bytes = await formerScript();
    if (bytes) await store.save(bytes);
    return bytes;
  } catch {
    return null; // none that can be read
  }
}
