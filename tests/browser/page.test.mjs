// The page of `velmora servizio` in Debian's chromium: valued from the
// keyboard, refused by the field, copied, printed, a batch sent, and laid out
// on three screens. Every figure is compared with the command line's for the
// same case, so that the page can never show another one.
//   VELMORA_PROGRAM=build/program/velmora node --test tests/browser
import { chromium } from 'playwright-core';
import assert from 'node:assert/strict';
import { execFileSync, spawn, spawnSync } from 'node:child_process';
import { mkdirSync, mkdtempSync, readFileSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, describe, test } from 'node:test';

const program = process.env.VELMORA_PROGRAM;
const chromiumPath = process.env.VELMORA_CHROMIUM || '/usr/bin/chromium';
// Screenshots go outside the checkout, for a person to look at.
const shots = process.env.VELMORA_SCREENSHOTS || join(tmpdir(), 'velmora-browser');
// No office's files: the server and the command line value on the built-in data.
const empty = mkdtempSync(join(tmpdir(), 'velmora-page-'));
const env = { ...process.env, XDG_DATA_HOME: empty, XDG_DATA_DIRS: empty, LC_ALL: 'C.UTF-8' };

const commandLine = (args) => spawnSync(program, args, { env, encoding: 'utf8' });
const json = (args) =>
  JSON.parse(execFileSync(program, [...args, '--formato', 'json'], { env, encoding: 'utf8' }));

// Two spouses, the younger counting with accrual; every input given, today's
// date never used.
const spouses = {
  valore: '250.000',
  data: '07/12/2026',
  nascite: ['16/08/1946', '03/05/1950'],
  command: ['vitalizio', '--valore', '250.000', '--nascita', '16/08/1946', '--nascita', '03/05/1950',
    '--accrescimento', 'si', '--data', '07/12/2026'],
};

const servers = [];
let base;
let browser;
let context;
let page;
// The page's own errors: the tests pass only when the page has made none.
const pageErrors = [];

// The server on a free port, with the address its start line gives.
function startServer(options = []) {
  const child = spawn(program, ['servizio', '--porta', '0', ...options],
    { env, stdio: ['ignore', 'ignore', 'pipe'] });
  servers.push(child);
  return new Promise((resolve, reject) => {
    let seen = '';
    let started = false;
    const timer = setTimeout(() => reject(new Error('no start line in 20 s: ' + seen)), 20000);
    child.stderr.setEncoding('utf8');
    child.stderr.on('data', (chunk) => {
      seen += chunk;
      const start = /velmora servizio: in ascolto su (http:\/\/\S+\/)/.exec(seen);
      if (start && !started) {
        started = true;
        clearTimeout(timer);
        resolve(start[1]);
      }
    });
    child.on('exit', (code) => reject(new Error('the server stopped (' + code + '): ' + seen)));
  });
}

async function stopServers() {
  for (const child of servers) {
    if (child.exitCode !== null || child.signalCode !== null) continue;
    const stopped = new Promise((resolve) => child.once('exit', resolve));
    child.kill('SIGTERM');
    await stopped;
  }
}

before(async () => {
  assert.ok(program, 'VELMORA_PROGRAM names the built program');
  mkdirSync(shots, { recursive: true });
  base = await startServer();
  browser = await chromium.launch({ executablePath: chromiumPath, args: ['--no-sandbox', '--lang=it-IT'] });
  context = await browser.newContext({ viewport: { width: 1024, height: 768 }, locale: 'it-IT' });
  await context.grantPermissions(['clipboard-read', 'clipboard-write'], { origin: base.replace(/\/$/, '') });
  page = await context.newPage();
  page.on('pageerror', (error) => pageErrors.push(error.message));
  // What the policy refuses is told on the console: the page must need nothing
  // it forbids. The statuses of refused requests are expected there.
  page.on('console', (message) => {
    if (message.type() === 'error' && !/^Failed to load resource/.test(message.text())) {
      pageErrors.push(message.text());
    }
  });
});

after(async () => {
  await browser?.close();
  await stopServers();
  assert.deepEqual(pageErrors, []);
});

const focused = (tab = page) =>
  tab.evaluate(() => document.activeElement?.id || document.activeElement?.tagName);

// Tab to a field, keeping the order met on the way.
async function tabTo(id, path, tab = page) {
  for (let i = 0; i < 40; i += 1) {
    await tab.keyboard.press('Tab');
    const now = await focused(tab);
    path.push(now);
    if (now === id) return;
  }
  assert.fail('Tab never reached ' + id + ': ' + path.join(' > '));
}

// The spouses' case from the keyboard alone, on a fresh page.
async function valueSpousesByKeyboard(tab = page) {
  await tab.goto(base);
  const path = [];
  await tabTo('valore', path, tab);
  await tab.keyboard.type(spouses.valore);
  await tabTo('data', path, tab);
  await tab.keyboard.press('Control+A');
  await tab.keyboard.type(spouses.data);
  await tabTo('nascita-1', path, tab);
  await tab.keyboard.type(spouses.nascite[0]);
  await tabTo('aggiungi-nascita', path, tab);
  await tab.keyboard.press('Enter');
  assert.equal(await focused(tab), 'nascita-2', 'a new life takes the focus');
  await tab.keyboard.type(spouses.nascite[1]);
  await tabTo('accrescimento', path, tab);
  await tab.keyboard.press('Space');
  await tab.keyboard.press('Enter');
  await tab.locator('#risultati').waitFor({ state: 'visible' });
  return path;
}

// What the clipboard holds, read by the main page (which has the clipboard API).
async function clipboard() {
  await page.bringToFront();
  return page.evaluate(async () => {
    const [item] = await navigator.clipboard.read();
    const read = async (type) => (item.types.includes(type) ? (await item.getType(type)).text() : null);
    return { html: await read('text/html'), text: await read('text/plain') };
  });
}

const tableText = (selector) =>
  page.$$eval(selector + ' tbody tr',
    (rows) => rows.map((r) => Array.from(r.cells, (c) => c.textContent.trim())));

describe('the page of velmora servizio', () => {
  test('values two spouses with accrual from the keyboard, with the command line figures', async () => {
    const path = await valueSpousesByKeyboard();
    // The fields come in the order they are read: value, right, tax, term, date, rate, lives.
    assert.deepEqual(path.slice(0, 6), ['valore', 'diritto', 'imposta', 'tipo', 'data', 'saggio']);
    const expected = json(spouses.command);
    assert.deepEqual(await tableText('#quote'), [
      ['Usufrutto', expected.usufrutto.percentuale, expected.usufrutto.testo, expected.usufrutto.lettere],
      ['Nuda proprietà', expected.nuda_proprieta.percentuale, expected.nuda_proprieta.testo,
        expected.nuda_proprieta.lettere],
    ]);
    const lives = await tableText('#vite');
    assert.equal(lives.length, 2);
    expected.vite.forEach((v, i) => {
      assert.equal(lives[i][2], v.eta_anni + ' anni, ' + v.eta_mesi + ' mesi e ' + v.eta_giorni + ' giorni');
    });
    assert.match(lives[expected.vita_che_conta - 1][0], /\(conta\)/);
    const details = await page.locator('#dettagli').innerText();
    assert.match(details, /più giovane/);
    assert.ok(details.includes(expected.fascia));
    const laws = await page.locator('#norme').innerText();
    for (const reference of [expected.norma, expected.norma_vite, expected.decreto_saggio_legale,
      expected.decreto_coefficienti, expected.articolo_minimo]) {
      assert.ok(laws.includes(reference), 'the references show ' + reference);
    }
    assert.equal(await page.locator('#copia-prospetto').isEnabled(), true);
  });

  // The other rights, the fixed term's cap, the next band and the 2016 table:
  // what the page shows of each is what the command line's record holds.
  for (const shown of [
    {
      name: 'a fixed term capped for a gift',
      fields: { tipo: 'tempo-determinato', valore: '100000', anni: '30', nascite: ['01/01/1941'],
        imposta: 'successioni', data: '09/12/2026' },
      texts: (r) => [r.limite.tempo_determinato.testo, r.limite.vitalizio.testo, r.limite.fascia,
        r.limite.norma, r.quota, r.articolo_minimo],
    },
    {
      name: 'the day before a change of band',
      fields: { valore: '250.000', nascite: ['10/12/1950'], data: '07/12/2026' },
      texts: (r) => ['Dal 10/12/2026 il titolare compie ' + r.prossima_fascia.anni + ' anni', r.coefficiente],
    },
    {
      name: 'habitation',
      fields: { valore: '300.000', diritto: 'abitazione', nascite: ['16/08/1946'], data: '07/12/2026' },
      texts: (r) => [r.norma_diritto, r.fascia],
    },
    {
      name: 'use at the 2016 table',
      fields: { valore: '250.000,50', diritto: 'uso', saggio: '2016', nascite: ['03/05/1950'],
        data: '01/06/2016' },
      texts: (r) => [r.saggio + ' (tabella 2016)', r.decreto_coefficienti],
    },
  ]) {
    test('shows ' + shown.name + ' as the command line values it', async () => {
      const f = shown.fields;
      await page.goto(base);
      for (const id of ['tipo', 'diritto', 'imposta', 'saggio']) {
        if (f[id]) await page.locator('#' + id).selectOption(f[id]);
      }
      for (const id of ['valore', 'anni', 'data']) {
        if (f[id]) await page.locator('#' + id).fill(f[id]);
      }
      await page.locator('#nascita-1').fill(f.nascite[0]);
      await page.locator('#nascita-1').press('Enter');
      await page.locator('#risultati').waitFor({ state: 'visible' });

      const command = [f.tipo || 'vitalizio', '--valore', f.valore, '--nascita', f.nascite[0],
        '--data', f.data];
      for (const option of ['anni', 'diritto', 'imposta', 'saggio']) {
        if (f[option]) command.push('--' + option, f[option]);
      }
      const r = json(command);
      const rows = await tableText('#quote');
      assert.deepEqual(rows.map((row) => row.slice(1)), [
        [r.usufrutto.percentuale, r.usufrutto.testo, r.usufrutto.lettere],
        [r.nuda_proprieta.percentuale, r.nuda_proprieta.testo, r.nuda_proprieta.lettere],
      ]);
      const all = (await page.locator('#risultati').innerText()).replace(/\s+/g, ' ');
      for (const text of shown.texts(r)) assert.ok(all.includes(text), 'the page shows ' + text);
      assert.equal(await page.locator('#blocco-limite').isVisible(), Boolean(r.limite));
    });
  }

  test('a change of any input takes the figures away', async () => {
    for (const change of [
      async () => {
        await page.locator('#valore').focus();
        await page.keyboard.press('End');
        await page.keyboard.type('1');
      },
      () => page.locator('#imposta').selectOption('successioni'),
      () => page.locator('#accrescimento').uncheck(),
      () => page.locator('#elenco-nascite button').first().click(),
    ]) {
      await valueSpousesByKeyboard();
      await change();
      assert.equal(await page.locator('#risultati').isVisible(), false);
      for (const id of ['copia-prospetto', 'copia-atto', 'stampa']) {
        assert.equal(await page.locator('#' + id).isDisabled(), true, id + ' waits for a valuation');
      }
      assert.equal(await page.locator('#stampa-prospetto').innerHTML(), '');
    }
  });

  // What the server refuses, shown by the field that holds it, in the command line's words.
  for (const refused of [
    { name: 'a value with a decimal point', field: 'valore', text: '250000.00',
      words: /il punto separa solo gruppi di tre cifre/, form: /250\.000,50/ },
    { name: 'a month 25', field: 'nascita-1', text: '12/25/1950', words: /12\/25\/1950/ },
    { name: 'a date of the act with two digits of year', field: 'data', text: '07/12/26',
      words: /07\/12\/26/ },
  ]) {
    test('refuses ' + refused.name + ' by its field', async () => {
      await page.goto(base);
      await page.locator('#valore').fill(refused.field === 'valore' ? refused.text : '250.000');
      await page.locator('#data').fill(refused.field === 'data' ? refused.text : '07/12/2026');
      await page.locator('#nascita-1').fill(refused.field === 'nascita-1' ? refused.text : '03/05/1950');
      await page.locator('#' + refused.field).press('Enter');
      const box = page.locator('#' + refused.field + '-errore');
      await box.waitFor({ state: 'visible' });
      const message = await box.innerText();
      assert.match(message, refused.words);
      if (refused.form) assert.match(message, refused.form);
      const field = page.locator('#' + refused.field);
      assert.equal(await field.getAttribute('aria-invalid'), 'true');
      const described = (await field.getAttribute('aria-describedby')).split(' ');
      assert.ok(described.includes(refused.field + '-errore'), 'the field names its message');
      assert.equal(await box.getAttribute('role'), 'alert');
      assert.equal(await focused(), refused.field, 'the focus goes to the refused field');
      assert.equal(await page.locator('#risultati').isVisible(), false);
      await page.screenshot({ path: join(shots, 'rifiuto-' + refused.field + '.png') });
    });
  }

  // Over plain http from another PC the page is no secure context and has no
  // clipboard API: the copy command must carry the same texts.
  for (const way of [
    { name: 'through the clipboard API', api: true },
    { name: 'by the copy command, as over plain http', api: false },
  ]) {
    test('copies the report as HTML and text, and the values for the deed, ' + way.name, async () => {
      const tab = await context.newPage();
      try {
        if (!way.api) {
          await tab.addInitScript(() =>
            Object.defineProperty(Navigator.prototype, 'clipboard', { get: () => undefined }));
        }
        await page.goto(base);
        await page.evaluate(() => navigator.clipboard.writeText('vuoto'));
        await valueSpousesByKeyboard(tab);
        await tab.locator('#copia-prospetto').click();
        await tab.locator('#stato', { hasText: 'Prospetto copiato' }).waitFor();
        const copied = await clipboard();
        const body = JSON.stringify({ tipo: 'vitalizio', valore: spouses.valore, nascite: spouses.nascite,
          accrescimento: true, data: spouses.data, diritto: 'usufrutto', imposta: 'registro',
          saggio: 'data' });
        const api = async (accept, query = '') => {
          const response = await fetch(base + 'api/v1/prospetto' + query, { method: 'POST', body,
            headers: { 'Content-Type': 'application/json', Accept: accept } });
          assert.equal(response.status, 200);
          return response.text();
        };
        assert.equal(copied.text, await api('text/plain'));
        assert.ok(copied.html, 'the clipboard holds the HTML of the report');
        const expected = json(spouses.command);
        for (const figure of [expected.usufrutto.testo, expected.nuda_proprieta.testo]) {
          assert.ok(copied.text.includes(figure), figure);
          assert.ok(copied.html.includes(figure.replace('€ ', '')), figure);
        }

        await tab.bringToFront();
        await tab.locator('#copia-atto').click();
        await tab.locator('#stato', { hasText: "Valori per l'atto copiati" }).waitFor();
        assert.equal((await clipboard()).text, await api('text/plain', '?testo=atto'));
      } finally {
        await tab.close();
      }
    });
  }

  test('prints the report alone on A4', async () => {
    // The browser's print dialog is counted, not opened; the PDF is the print.
    const tab = await context.newPage();
    await tab.addInitScript(() => {
      window.printed = 0;
      window.print = () => {
        window.printed += 1;
      };
    });
    await valueSpousesByKeyboard(tab);
    await tab.locator('#stampa').click();
    await tab.waitForFunction(() => window.printed === 1);
    await tab.locator('#stampa-prospetto table').first().waitFor({ state: 'attached' });
    const file = join(shots, 'prospetto.pdf');
    await tab.pdf({ path: file, preferCSSPageSize: true });
    await tab.close();
    const info = execFileSync('pdfinfo', [file], { encoding: 'utf8' });
    assert.match(info, /Page size:\s+59[45]\.\d+ x 84[12]\.\d+ pts \(A4\)/);
    const text = execFileSync('pdftotext', ['-layout', file, '-'], { encoding: 'utf8' }).replace(/\s+/g, ' ');
    const expected = json(spouses.command);
    const figures = [expected.usufrutto.testo, expected.nuda_proprieta.testo, expected.decreto_coefficienti];
    for (const figure of figures) {
      assert.ok(text.includes(figure.replace(/\s+/g, ' ')), 'the printed report shows ' + figure);
    }
    for (const control of ['Calcola il lotto', 'Copia prospetto', 'Aggiungi un titolare']) {
      assert.ok(!text.includes(control), 'the print leaves out ' + control);
    }
  });

  test('sends a batch and offers the command line result', async () => {
    const csv = join(empty, 'casi.csv');
    writeFileSync(csv, 'tipo;valore;nascita;anni;data;accrescimento\n' +
      'vitalizio;250.000;03/05/1950;;07/12/2026;\n' +
      'vitalizio;100.000,50;16/08/1946+03/05/1950;;07/12/2026;si\n' +
      'tempo-determinato;80000;;12;01/03/2026;\n' +
      'vitalizio;250000.00;03/05/1950;;07/12/2026;\n');
    await page.goto(base);
    await page.locator('#file-lotto').setInputFiles(csv);
    await page.locator('#invia-lotto').click();
    const link = page.locator('#scarica-lotto');
    await link.waitFor({ state: 'visible' });
    assert.equal(await page.locator('#avanzamento').evaluate((p) => p.value), 100);
    const [download] = await Promise.all([page.waitForEvent('download'), link.click()]);
    assert.equal(download.suggestedFilename(), 'risultati.csv');
    const got = readFileSync(await download.path(), 'utf8');
    const want = commandLine(['lotto', csv]);
    assert.equal(got, want.stdout);
  });

  test('refuses a batch over the limit by its field, and keeps serving', async () => {
    const limited = await startServer(['--limite-lotto', '1']);
    const csv = join(empty, 'grande.csv');
    writeFileSync(csv, 'tipo;valore;nascita;data\n' + 'vitalizio;250.000;03/05/1950;07/12/2026\n'.repeat(60000));
    await page.goto(limited);
    await page.locator('#file-lotto').setInputFiles(csv);
    await page.locator('#invia-lotto').click();
    const box = page.locator('#lotto-errore');
    await box.waitFor({ state: 'visible' });
    assert.match(await box.innerText(), /1 MiB/);
    assert.equal(await page.locator('#file-lotto').getAttribute('aria-invalid'), 'true');
    assert.equal(await focused(), 'file-lotto');
    assert.equal(await page.locator('#scarica-lotto').isVisible(), false);
    assert.equal((await fetch(limited + 'api/v1/stato')).status, 200);
  });

  test('asks for the token on a 401 and keeps it for the session', async () => {
    const tokenFile = join(empty, 'token');
    writeFileSync(tokenFile, 'segreto-di-prova\n');
    const guarded = await startServer(['--token-file', tokenFile]);
    const tab = await context.newPage();
    try {
      await tab.goto(guarded);
      const valueCase = async () => {
        await tab.locator('#valore').fill('250.000');
        await tab.locator('#data').fill('07/12/2026');
        await tab.locator('#nascita-1').fill('03/05/1950');
        await tab.locator('#nascita-1').press('Enter');
      };
      await valueCase();
      await tab.locator('#accesso').waitFor({ state: 'visible' });
      assert.equal(await tab.evaluate(() => document.activeElement.id), 'codice');
      assert.equal(await tab.locator('#risultati').isVisible(), false);
      for (const [token, accepted] of [['sbagliato', false], ['segreto-di-prova', true]]) {
        await tab.keyboard.type(token);
        await tab.keyboard.press('Enter');
        if (accepted) {
          await tab.locator('#risultati').waitFor({ state: 'visible' });
        } else {
          await tab.locator('#codice-errore', { hasText: 'non è stato accettato' }).waitFor();
          assert.equal(await tab.evaluate(() => document.activeElement.id), 'codice');
        }
      }
      assert.equal(await tab.locator('#accesso').isVisible(), false);
      // Kept for the browser session: a new load of the page values at once.
      await tab.reload();
      await valueCase();
      await tab.locator('#risultati').waitFor({ state: 'visible' });
      assert.equal(await tab.locator('#accesso').isVisible(), false);
    } finally {
      await tab.close();
    }
  });

  // Every control within the screen and within its box, with the figures shown.
  for (const screen of [
    { name: 'a small laptop', width: 1024, height: 768 },
    { name: 'a phone', width: 375, height: 667 },
    { name: 'a large screen', width: 1920, height: 1080 },
  ]) {
    const size = screen.width + '×' + screen.height;
    test('nothing overflows on ' + screen.name + ' (' + size + ')', async () => {
      await page.setViewportSize({ width: screen.width, height: screen.height });
      await valueSpousesByKeyboard();
      await page.locator('#valore').focus();
      const shot = join(shots, 'pagina-' + screen.width + 'x' + screen.height + '.png');
      await page.screenshot({ path: shot, fullPage: true });
      const overflows = await page.evaluate(() => {
        const width = document.documentElement.clientWidth;
        const found = [];
        const name = (e) =>
          (e.id ? '#' + e.id : e.tagName.toLowerCase()) + ' «' + e.textContent.trim().slice(0, 30) + '»';
        const scrolled = document.documentElement.scrollWidth;
        if (scrolled > width) found.push('the page scrolls sideways: ' + scrolled);
        const controls = document.querySelectorAll(
          'input, select, button, a, label, progress, table, dl, .riquadro, fieldset, h1, h2, p');
        for (const e of controls) {
          const box = e.getBoundingClientRect();
          if (box.width === 0 && box.height === 0) continue;
          if (box.left < -0.5 || box.right > width + 0.5) found.push(name(e) + ' leaves the screen');
          const spills = e.scrollWidth > e.clientWidth + 1 && getComputedStyle(e).overflowX === 'visible';
          if (spills && !['INPUT', 'SELECT'].includes(e.tagName)) found.push(name(e) + ' spills its text');
          const parent = e.parentElement.getBoundingClientRect();
          const outside = box.left < parent.left - 0.5 || box.right > parent.right + 0.5;
          if (outside) found.push(name(e) + ' leaves its box');
        }
        return found;
      });
      assert.deepEqual(overflows, []);
    });
  }
});
