// The page of velmora servizio. It computes nothing: it posts the case to the
// API and shows the answer. Every text from the server goes in as text, never
// as markup, except the report of /api/v1/prospetto, which is the server's own
// HTML and is shown only in the print area, without its scripts and handlers.
'use strict';

(() => {
  const MAX_LIVES = 10;
  const TOKEN_KEY = 'velmora.token';
  const $ = (id) => document.getElementById(id);

  // Bumped on every change of the inputs: an answer to an older case is dropped.
  let generation = 0;
  // The case behind the figures shown, or null.
  let shown = null;
  // What to do again once the token is given.
  let retry = null;
  let batchUrl = null;

  class NeedToken extends Error {}
  class Refused extends Error {
    constructor(errore) {
      super(errore.messaggio || 'Richiesta rifiutata.');
      this.errore = errore;
    }
  }

  // ---- talking to the server ----

  // A browser that keeps nothing for the session keeps the token for this
  // page only.
  let tokenHere = null;
  const storedToken = () => {
    try {
      return sessionStorage.getItem(TOKEN_KEY);
    } catch (noStorage) {
      return tokenHere;
    }
  };
  const storeToken = (token) => {
    tokenHere = token;
    try {
      if (token === null) sessionStorage.removeItem(TOKEN_KEY);
      else sessionStorage.setItem(TOKEN_KEY, token);
    } catch (noStorage) {
      // kept in tokenHere
    }
  };

  const authorization = () => {
    const token = storedToken();
    return token ? { Authorization: 'Bearer ' + token } : {};
  };

  const errorOf = async (response) => {
    try {
      const body = await response.json();
      if (body && body.errore) return body.errore;
    } catch (ignored) {
      // not JSON: the status says enough
    }
    return { messaggio: 'Il servizio ha risposto ' + response.status + '.' };
  };

  async function post(path, body, accept) {
    let response;
    try {
      response = await fetch(path, {
        method: 'POST',
        headers: { 'Content-Type': 'application/json', Accept: accept, ...authorization() },
        body: JSON.stringify(body),
        cache: 'no-store',
      });
    } catch (failure) {
      throw new Error('Il servizio non risponde: controllare la rete e riprovare.');
    }
    if (response.status === 401) throw new NeedToken();
    if (!response.ok) throw new Refused(await errorOf(response));
    return response;
  }

  // ---- the inputs ----

  const twoDigits = (n) => String(n).padStart(2, '0');
  const today = () => {
    const d = new Date();
    return twoDigits(d.getDate()) + '/' + twoDigits(d.getMonth() + 1) + '/' + d.getFullYear();
  };
  // "2026-12-07" as "07/12/2026".
  const slashed = (iso) => {
    const m = /^(\d{4})-(\d{2})-(\d{2})$/.exec(iso || '');
    return m ? m[3] + '/' + m[2] + '/' + m[1] : iso || '';
  };

  const birthInputs = () => Array.from($('elenco-nascite').querySelectorAll('input'));

  function numberLives() {
    const rows = Array.from($('elenco-nascite').children);
    const fixedTerm = $('tipo').value === 'tempo-determinato';
    rows.forEach((row, i) => {
      const n = i + 1;
      const input = row.querySelector('input');
      const label = row.querySelector('label');
      const remove = row.querySelector('button');
      const error = row.querySelector('.errore');
      input.id = 'nascita-' + n;
      label.htmlFor = input.id;
      label.textContent = (fixedTerm ? 'Beneficiario ' : 'Titolare ') + n;
      error.id = 'nascita-' + n + '-errore';
      input.setAttribute('aria-describedby', 'nascite-aiuto ' + error.id);
      remove.setAttribute('aria-label', 'Togli il titolare ' + n);
      remove.disabled = rows.length === 1;
    });
    $('aggiungi-nascita').disabled = rows.length >= MAX_LIVES;
    showWhatApplies();
  }

  function addLife(value) {
    const row = document.createElement('li');
    row.className = 'campo nascita';
    const label = document.createElement('label');
    const line = document.createElement('div');
    line.className = 'riga';
    const input = document.createElement('input');
    input.type = 'text';
    input.inputMode = 'numeric';
    input.autocomplete = 'off';
    input.placeholder = 'gg/mm/aaaa';
    input.value = value || '';
    const remove = document.createElement('button');
    remove.type = 'button';
    remove.textContent = 'Togli';
    remove.addEventListener('click', () => removeLife(row));
    const error = document.createElement('p');
    error.className = 'errore';
    error.setAttribute('role', 'alert');
    error.hidden = true;
    line.append(input, remove);
    row.append(label, line, error);
    $('elenco-nascite').append(row);
    numberLives();
    return input;
  }

  function removeLife(row) {
    const rows = Array.from($('elenco-nascite').children);
    const at = rows.indexOf(row);
    row.remove();
    numberLives();
    invalidate();
    const left = birthInputs();
    left[Math.min(at, left.length - 1)].focus();
  }

  function showWhatApplies() {
    const fixedTerm = $('tipo').value === 'tempo-determinato';
    $('campo-anni').hidden = !fixedTerm;
    $('campo-accrescimento').hidden = fixedTerm || birthInputs().length < 2;
    $('nascite-titolo').textContent = fixedTerm
      ? 'Data di nascita del beneficiario (facoltativa)'
      : 'Date di nascita dei titolari';
  }

  // The case as the API reads it; the texts go as typed, the server reads them.
  function readCase() {
    const fixedTerm = $('tipo').value === 'tempo-determinato';
    const c = {
      tipo: $('tipo').value,
      valore: $('valore').value.trim(),
      diritto: $('diritto').value,
      imposta: $('imposta').value,
      saggio: $('saggio').value,
    };
    const data = $('data').value.trim();
    if (data !== '') c.data = data;
    const births = birthInputs().map((input) => input.value.trim());
    if (fixedTerm) {
      c.anni = $('anni').value.trim();
      const given = births.filter((b) => b !== '');
      if (given.length > 0) c.nascite = given;
    } else {
      c.nascite = births;
      if (births.length > 1) c.accrescimento = $('accrescimento').checked;
    }
    return c;
  }

  // ---- refusals, next to their field ----

  function fieldOf(campo, message) {
    const life = /^nascit[ae]\D*(\d+)?/.exec(campo || '');
    if (life) {
      const inputs = birthInputs();
      if (life[1] === undefined) {
        // The message quotes the date it refuses: that is the field.
        const quoted = /«([^»]*)»/.exec(message || '');
        const named = quoted && inputs.find((i) => i.value.trim() === quoted[1].trim());
        return named || inputs.find((i) => i.value.trim() === '') || inputs[0];
      }
      // The server counts from zero; "nascite[1]" is the second field.
      const n = Number(life[1]);
      return inputs[Math.min(n, inputs.length - 1)];
    }
    const ids = ['valore', 'diritto', 'imposta', 'tipo', 'anni', 'data', 'saggio', 'accrescimento'];
    return ids.includes(campo) ? $(campo) : null;
  }

  function errorBox(field) {
    return $(field.id + '-errore');
  }

  function clearError(field) {
    if (!field) return;
    field.removeAttribute('aria-invalid');
    const box = errorBox(field);
    if (box) {
      box.textContent = '';
      box.hidden = true;
    }
  }

  function clearErrors() {
    document.querySelectorAll('#caso input, #caso select').forEach(clearError);
    $('avviso').hidden = true;
    $('avviso').textContent = '';
  }

  function refusalText(errore) {
    let text = errore.messaggio || 'Dato rifiutato.';
    if (errore.forma && !text.includes(errore.forma)) text += ' Forma richiesta: ' + errore.forma;
    return text;
  }

  function showRefusal(errore) {
    const field = fieldOf(errore.campo, errore.messaggio);
    const text = refusalText(errore);
    if (!field || !errorBox(field)) {
      warn(text);
      return;
    }
    const box = errorBox(field);
    box.textContent = text;
    box.hidden = false;
    field.setAttribute('aria-invalid', 'true');
    if (field.closest('[hidden]')) {
      warn(text);
      return;
    }
    field.focus();
  }

  function warn(text) {
    $('avviso').textContent = text;
    $('avviso').hidden = false;
  }

  function say(text) {
    $('stato').textContent = text;
  }

  // ---- the token ----

  function askToken(again) {
    retry = again;
    $('accesso').hidden = false;
    say('Il servizio chiede un codice di accesso.');
    $('codice').focus();
  }

  function tokenGiven(event) {
    event.preventDefault();
    const token = $('codice').value.trim();
    if (token === '') {
      $('codice-errore').textContent = 'Scrivere il codice di accesso.';
      $('codice-errore').hidden = false;
      $('codice').setAttribute('aria-invalid', 'true');
      $('codice').focus();
      return;
    }
    storeToken(token);
    $('codice').value = '';
    $('codice').removeAttribute('aria-invalid');
    $('codice-errore').hidden = true;
    $('accesso').hidden = true;
    const again = retry;
    retry = null;
    if (again) again();
  }

  // Any failure of a command: the token, a refusal, or the network.
  function failed(failure, again) {
    if (failure instanceof NeedToken) {
      if (storedToken()) {
        storeToken(null);
        $('codice-errore').textContent = 'Il codice non è stato accettato: riscriverlo.';
        $('codice-errore').hidden = false;
      }
      askToken(again);
    } else if (failure instanceof Refused) {
      showRefusal(failure.errore);
    } else {
      warn(failure.message);
    }
  }

  // ---- the figures ----

  // A figure never outlives its inputs.
  function invalidate() {
    generation += 1;
    shown = null;
    $('risultati').hidden = true;
    $('stampa-prospetto').replaceChildren();
    for (const id of ['copia-prospetto', 'copia-atto', 'stampa']) $(id).disabled = true;
    say('');
  }

  const RIGHTS = { usufrutto: 'Usufrutto', uso: 'Uso', abitazione: 'Abitazione' };
  const TAXES = { registro: 'Imposta di registro', successioni: 'Imposta sulle successioni e donazioni' };
  const RULES = {
    una_vita: 'un titolare',
    piu_giovane: "con accrescimento: conta l'età del più giovane",
    piu_anziano: "senza accrescimento: conta l'età del più anziano",
  };

  const age = (v) => v.eta_anni + ' anni, ' + v.eta_mesi + ' mesi e ' + v.eta_giorni + ' giorni';

  // The column's name goes with each cell, for the cards of a narrow screen.
  function cell(row, text, header) {
    const c = document.createElement(header ? 'th' : 'td');
    if (header) c.scope = 'row';
    const table = row.closest('table');
    if (!header && table) c.dataset.nome = table.tHead.rows[0].cells[row.cells.length].textContent;
    c.textContent = text;
    row.append(c);
  }

  function entry(list, term, text) {
    if (text === undefined || text === null || text === '') return;
    const dt = document.createElement('dt');
    dt.textContent = term;
    const dd = document.createElement('dd');
    dd.textContent = String(text);
    list.append(dt, dd);
  }

  function share(body, name, q) {
    const row = body.insertRow();
    cell(row, name, true);
    cell(row, q.percentuale);
    cell(row, q.testo);
    cell(row, q.lettere);
  }

  function rateText(r) {
    if (r.modo_saggio === '2016') return r.saggio + ' (tabella 2016)';
    if (r.minimo) return r.saggio + ', il minimo di legge (saggio legale ' + r.saggio_legale + ')';
    return r.saggio + ' (saggio legale)';
  }

  function nextBand(r) {
    const next = r.prossima_fascia;
    if (!next) return '';
    const who = { piu_giovane: 'il più giovane', piu_anziano: 'il più anziano' }[r.regola] || 'il titolare';
    let text = 'Dal ' + slashed(next.data) + ' ' + who + ' compie ' + next.anni + ' anni: ' +
      'da quel giorno la quota del diritto vale ' + next.percentuale;
    if (next.provvisoria) {
      text += ', con i coefficienti del ' + next.anno_coefficienti + ' (quelli del ' +
        next.data.slice(0, 4) + ' non sono ancora noti)';
    }
    return text + '.';
  }

  function show(r) {
    const right = RIGHTS[r.diritto] || r.diritto;
    $('quote-didascalia').textContent =
      right + (r.tipo === 'vitalizio' ? ' vitalizio' : ' per ' + r.anni + ' anni') + ' su ' + r.valore_testo +
      ', atto del ' + slashed(r.data);
    const body = $('quote').tBodies[0];
    body.replaceChildren();
    share(body, right, r.usufrutto);
    share(body, 'Nuda proprietà', r.nuda_proprieta);

    const details = $('dettagli');
    details.replaceChildren();
    entry(details, 'Valore della piena proprietà', r.valore_testo + ' (' + r.valore_lettere + ')');
    entry(details, "Data dell'atto", slashed(r.data));
    entry(details, 'Imposta', TAXES[r.imposta] || r.imposta);
    entry(details, 'Saggio', rateText(r));
    if (r.tipo === 'vitalizio') {
      const which = r.vite && r.vite.length > 1 ? ' (titolare ' + r.vita_che_conta + ')' : '';
      entry(details, 'Età che conta', age(r) + which);
      entry(details, 'Regola', RULES[r.regola] || r.regola);
      entry(details, 'Fascia di età', r.fascia);
      const at = ' (al saggio ' + r.saggio_coefficienti + ')';
      entry(details, 'Coefficiente', r.coefficiente ? r.coefficiente + at : '');
    } else {
      entry(details, 'Durata', r.anni + ' anni');
      entry(details, 'Quota per la durata', r.quota);
    }
    entry(details, 'Prossima fascia', nextBand(r));

    const lives = r.vite || [];
    $('blocco-vite').hidden = lives.length === 0;
    const livesBody = $('vite').tBodies[0];
    livesBody.replaceChildren();
    lives.forEach((v, i) => {
      const row = livesBody.insertRow();
      const counts = r.tipo === 'vitalizio' && lives.length > 1 && r.vita_che_conta === i + 1;
      cell(row, 'Titolare ' + (i + 1) + (counts ? ' (conta)' : ''), true);
      cell(row, slashed(v.nascita));
      cell(row, age(v));
    });

    const limit = r.limite;
    $('blocco-limite').hidden = !limit;
    const limits = $('limite');
    limits.replaceChildren();
    if (limit) {
      const q = (s) => s.percentuale + ' – ' + s.testo;
      entry(limits, 'Valore a tempo determinato', q(limit.tempo_determinato));
      entry(
        limits,
        'Valore vitalizio del beneficiario',
        (limit.vitalizio ? q(limit.vitalizio) : 'nessuno') + ' (fascia ' + limit.fascia + ')',
      );
      entry(limits, 'Applicato',
        limit.applicato ? 'sì: vale il valore vitalizio, minore' : 'no: vale il valore a tempo determinato');
    }

    const laws = $('norme');
    laws.replaceChildren();
    entry(laws, 'Norma', r.norma);
    entry(laws, 'Diritto', r.norma_diritto);
    entry(laws, 'Più titolari', r.norma_vite);
    entry(laws, 'Limite', limit ? limit.norma : '');
    entry(laws, 'Saggio minimo', r.minimo ? r.articolo_minimo : '');
    entry(laws, 'Saggio legale', r.decreto_saggio_legale);
    entry(laws, 'Coefficienti', r.decreto_coefficienti);
    const builtIn = r.fonte_dati === 'incorporati';
    entry(laws, 'Fonte dei dati', builtIn ? 'dati incorporati in Velmora' : r.fonte_dati);

    $('risultati').hidden = false;
  }

  async function value() {
    clearErrors();
    const c = readCase();
    const asked = generation;
    say('Calcolo in corso…');
    try {
      const response = await post('/api/v1/valutazione', c, 'application/json');
      const record = await response.json();
      if (asked !== generation) return;
      shown = c;
      show(record);
      for (const id of ['copia-prospetto', 'copia-atto', 'stampa']) $(id).disabled = false;
      const right = RIGHTS[record.diritto] || record.diritto;
      const bare = record.nuda_proprieta.testo;
      say('Calcolato: ' + right + ' ' + record.usufrutto.testo + ', nuda proprietà ' + bare + '.');
      $('risultati').focus();
      fillPrintArea(c, asked).catch(() => {});
    } catch (failure) {
      if (asked !== generation) return;
      say('');
      failed(failure, value);
    }
  }

  // ---- the report: print area, clipboard ----

  // The server's report HTML, without anything that could run.
  function reportNodes(html) {
    const doc = new DOMParser().parseFromString(html, 'text/html');
    doc.querySelectorAll('script, style, link, meta, iframe, object, embed, base').forEach((e) => e.remove());
    doc.body.querySelectorAll('*').forEach((e) => {
      for (const a of Array.from(e.attributes)) {
        const runs = /^on/i.test(a.name) || /^\s*javascript:/i.test(a.value);
        if (runs || a.name === 'style') e.removeAttribute(a.name);
      }
    });
    return Array.from(doc.body.childNodes).map((n) => document.importNode(n, true));
  }

  async function fillPrintArea(c, asked) {
    const response = await post('/api/v1/prospetto', c, 'text/html');
    const html = await response.text();
    if (asked !== generation) return;
    $('stampa-prospetto').replaceChildren(...reportNodes(html));
  }

  async function reportText(c, accept, query) {
    const response = await post('/api/v1/prospetto' + (query || ''), c, accept);
    return response.text();
  }

  // A page opened over plain http from another PC has no clipboard API: the
  // browser's copy command, still allowed right after a click, carries the
  // same types.
  function copyByCommand(types) {
    let done = false;
    const put = (event) => {
      for (const [type, text] of Object.entries(types)) event.clipboardData.setData(type, text);
      event.preventDefault();
      done = true;
    };
    document.addEventListener('copy', put);
    try {
      document.execCommand('copy');
    } finally {
      document.removeEventListener('copy', put);
    }
    if (!done) throw new Error('Il browser non ha permesso di copiare: riprovare con il pulsante.');
  }

  const clipboardApi = () => Boolean(window.isSecureContext && navigator.clipboard);

  async function copyReport() {
    if (!shown) return;
    const c = shown;
    const asked = generation;
    const current = (text) => {
      if (asked !== generation) throw new Error('Il caso è cambiato: ricalcolare prima di copiare.');
      return text;
    };
    const html = reportText(c, 'text/html').then(current);
    const text = reportText(c, 'text/plain').then(current);
    try {
      if (clipboardApi() && window.ClipboardItem) {
        const item = new ClipboardItem({
          'text/html': html.then((t) => new Blob([t], { type: 'text/html' })),
          'text/plain': text.then((t) => new Blob([t], { type: 'text/plain' })),
        });
        try {
          await navigator.clipboard.write([item]);
        } catch (refusedByBrowser) {
          await html.catch(() => {});
          await navigator.clipboard.writeText(await text);
        }
      } else if (clipboardApi()) {
        await navigator.clipboard.writeText(await text);
      } else {
        const [h, t] = await Promise.all([html, text]);
        copyByCommand({ 'text/html': h, 'text/plain': t });
      }
      say('Prospetto copiato negli appunti.');
    } catch (failure) {
      html.catch(() => {});
      const fromServer = failure instanceof NeedToken || failure instanceof Refused;
      failed(fromServer ? failure : await why(html, text, failure), copyReport);
    }
  }

  // The server's failure when there was one, else the browser's.
  async function why(html, text, failure) {
    for (const p of [text, html]) {
      try {
        await p;
      } catch (e) {
        return e;
      }
    }
    return new Error('Gli appunti non sono disponibili: ' + failure.message);
  }

  async function copyDeed() {
    if (!shown) return;
    const c = shown;
    const asked = generation;
    try {
      const text = await reportText(c, 'text/plain', '?testo=atto');
      if (asked !== generation) return;
      if (clipboardApi()) {
        await navigator.clipboard.writeText(text);
      } else {
        copyByCommand({ 'text/plain': text });
      }
      say("Valori per l'atto copiati negli appunti.");
    } catch (failure) {
      failed(failure, copyDeed);
    }
  }

  async function print() {
    if (!shown) return;
    const asked = generation;
    try {
      if (!$('stampa-prospetto').hasChildNodes()) await fillPrintArea(shown, asked);
      if (asked !== generation) return;
      window.print();
    } catch (failure) {
      failed(failure, print);
    }
  }

  // ---- the batch ----

  function batchChosen() {
    if (batchUrl) URL.revokeObjectURL(batchUrl);
    batchUrl = null;
    $('scarica-lotto').hidden = true;
    $('scarica-lotto').removeAttribute('href');
    $('avanzamento').value = 0;
    $('lotto-stato').textContent = '';
    $('lotto-errore').hidden = true;
    $('file-lotto').removeAttribute('aria-invalid');
    $('invia-lotto').disabled = $('file-lotto').files.length === 0;
  }

  function batchRefused(text) {
    $('lotto-errore').textContent = text;
    $('lotto-errore').hidden = false;
    $('file-lotto').setAttribute('aria-invalid', 'true');
    $('lotto-stato').textContent = '';
    $('file-lotto').focus();
  }

  function sendBatch(event) {
    if (event) event.preventDefault();
    const file = $('file-lotto').files[0];
    if (!file) {
      batchRefused('Scegliere un file CSV.');
      return;
    }
    batchChosen();
    const request = new XMLHttpRequest();
    request.open('POST', '/api/v1/lotto');
    request.setRequestHeader('Content-Type', 'text/csv');
    const auth = authorization();
    if (auth.Authorization) request.setRequestHeader('Authorization', auth.Authorization);
    request.responseType = 'blob';
    request.upload.addEventListener('progress', (e) => {
      if (e.lengthComputable) $('avanzamento').value = Math.round((e.loaded / e.total) * 100);
    });
    request.addEventListener('load', async () => {
      if (request.status === 401) {
        failed(new NeedToken(), sendBatch);
        return;
      }
      if (request.status !== 200) {
        let text = 'Il servizio ha risposto ' + request.status + '.';
        try {
          const body = JSON.parse(await request.response.text());
          if (body.errore) text = refusalText(body.errore);
        } catch (ignored) {
          // not JSON: the status says enough
        }
        batchRefused(text);
        return;
      }
      if ($('file-lotto').files[0] !== file) return;
      $('avanzamento').value = 100;
      batchUrl = URL.createObjectURL(request.response);
      $('scarica-lotto').href = batchUrl;
      $('scarica-lotto').hidden = false;
      $('lotto-stato').textContent = 'Lotto calcolato: scaricare risultati.csv.';
      $('scarica-lotto').focus();
    });
    request.addEventListener('error', () =>
      batchRefused('Il servizio non risponde: controllare la rete e riprovare.'));
    $('lotto-stato').textContent = 'Invio di ' + file.name + '…';
    request.send(file);
  }

  // ---- wiring ----

  function changed(event) {
    clearError(event.target);
    if (event.target.id === 'tipo') numberLives();
    invalidate();
  }

  function start() {
    $('data').value = today();
    addLife('');
    const form = $('caso');
    form.addEventListener('submit', (event) => {
      event.preventDefault();
      value();
    });
    form.addEventListener('input', changed);
    form.addEventListener('change', changed);
    // Enter values from a list or a tick box too, as it does from a text field.
    form.addEventListener('keydown', (event) => {
      const t = event.target;
      const list = t.tagName === 'SELECT' || (t.tagName === 'INPUT' && t.type === 'checkbox');
      if (event.key === 'Enter' && list) {
        event.preventDefault();
        form.requestSubmit();
      }
    });
    $('aggiungi-nascita').addEventListener('click', () => {
      const input = addLife('');
      invalidate();
      input.focus();
    });
    $('accesso').addEventListener('submit', tokenGiven);
    $('copia-prospetto').addEventListener('click', copyReport);
    $('copia-atto').addEventListener('click', copyDeed);
    $('stampa').addEventListener('click', print);
    $('file-lotto').addEventListener('change', batchChosen);
    $('lotto').addEventListener('submit', sendBatch);
    document.querySelectorAll('.errore').forEach((e) => e.setAttribute('role', 'alert'));
  }

  start();
})();
