// Menu texts of the library: "&Halt animation\tCtrl+H" is the label "Halt animation"
// with H as its access key (shown underlined) and the shortcut label "Ctrl+H".
// May not: touch the page; it only reads the texts.
export function parseMenuText(text) {
  const [label, shortcut = ''] = text.split('\t');
  const i = label.indexOf('&');
  if (i < 0 || i === label.length - 1) {
    return { before: label.replace('&', ''), key: '', after: '', shortcut };
  }
  return {
    before: label.slice(0, i),
    key: label[i + 1],
    after: label.slice(i + 2),
    shortcut,
  };
}
