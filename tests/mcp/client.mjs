// The official MCP client starts `velmora mcp`, lists its tools, checks their
// schemas, and calls them on the cases an office asks most: each record must
// be the one `velmora ... --formato json` writes for the same inputs.
import { Client } from '@modelcontextprotocol/sdk/client/index.js';
import { StdioClientTransport } from '@modelcontextprotocol/sdk/client/stdio.js';
import Ajv from 'ajv';
import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import { mkdtempSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

const program = process.argv[2];
// No office's files: both sides value on the built-in data.
const empty = mkdtempSync(join(tmpdir(), 'velmora-mcp-'));
const env = { ...process.env, XDG_DATA_HOME: empty, XDG_DATA_DIRS: empty, LC_ALL: 'C' };

const commandLine = (args) => spawnSync(program, args, { env, encoding: 'utf8' });
const json = (args) => JSON.parse(execFileSync(program, [...args, '--formato', 'json'], { env, encoding: 'utf8' }));

const cases = [
  {
    name: 'two spouses with accrual',
    tool: 'valuta_vitalizio',
    arguments: { valore: 100000, nascite: ['1946-08-16', '03/05/1950'], accrescimento: true, data: '2026-12-07' },
    command: ['vitalizio', '--valore', '100000', '--nascita', '16/08/1946', '--nascita', '03/05/1950',
      '--accrescimento', 'si', '--data', '07/12/2026'],
    usufrutto: '30%',
  },
  {
    name: 'use and habitation',
    tool: 'valuta_vitalizio',
    arguments: { valore: '300.000', nascite: ['1946-08-16'], diritto: 'abitazione', data: '2026-12-07' },
    command: ['vitalizio', '--valore', '300.000', '--nascita', '1946-08-16', '--diritto', 'abitazione',
      '--data', '2026-12-07'],
    usufrutto: '25%',
  },
  {
    name: 'use at 0.2 %',
    tool: 'valuta_vitalizio',
    arguments: { valore: 250000.5, nascite: ['1950-05-03'], diritto: 'uso', saggio: '2016', data: '2016-06-01' },
    command: ['vitalizio', '--valore', '250.000,50', '--nascita', '03/05/1950', '--diritto', 'uso',
      '--saggio', '2016', '--data', '01/06/2016'],
  },
  {
    name: 'a fixed term capped for a gift',
    tool: 'valuta_tempo_determinato',
    arguments: { valore: 100000, anni: 30, nascite: ['1941-01-01'], imposta: 'successioni', data: '2026-12-09' },
    command: ['tempo-determinato', '--valore', '100000', '--anni', '30', '--nascita', '01/01/1941',
      '--imposta', 'successioni', '--data', '09/12/2026'],
    usufrutto: '20%',
  },
];

const client = new Client({ name: 'velmora-test', version: '1.0.0' });
const transport = new StdioClientTransport({ command: program, args: ['mcp'], env, stderr: 'pipe' });
let stderr = '';
transport.stderr?.on('data', (chunk) => { stderr += chunk; });
await client.connect(transport);
let failed = 0;
const check = async (name, body) => {
  try {
    await body();
    console.log(`ok: ${name}`);
  } catch (error) {
    failed += 1;
    console.log(`FAIL: ${name}\n${error.stack ?? error}`);
  }
};

await check('the server and its version', async () => {
  assert.equal(client.getServerVersion().name, 'velmora');
  assert.ok(client.getServerCapabilities().tools);
});

const ajv = new Ajv({ strict: true, allowUnionTypes: true });
const validators = {};
await check('every schema', async () => {
  const { tools } = await client.listTools();
  assert.deepEqual(tools.map((t) => t.name).sort(),
    ['dati_legali', 'valuta_tempo_determinato', 'valuta_vitalizio']);
  for (const tool of tools) {
    assert.ok(tool.description.length > 0);
    validators[tool.name] = { input: ajv.compile(tool.inputSchema), output: ajv.compile(tool.outputSchema) };
    for (const property of Object.values(tool.inputSchema.properties ?? {}))
      assert.ok(property.description, `${tool.name}: a property without a description`);
  }
});

for (const c of cases) {
  await check(c.name, async () => {
    assert.ok(validators[c.tool].input(c.arguments), JSON.stringify(validators[c.tool].input.errors));
    const result = await client.callTool({ name: c.tool, arguments: c.arguments });
    assert.equal(result.isError, false, result.content?.[0]?.text);
    assert.ok(validators[c.tool].output(result.structuredContent),
      JSON.stringify(validators[c.tool].output.errors));
    assert.deepEqual(result.structuredContent, json(c.command));
    if (c.usufrutto) assert.equal(result.structuredContent.usufrutto.percentuale, c.usufrutto);
    const report = result.content[0].text;
    assert.match(report, /^PROSPETTO DI CALCOLO/);
    assert.ok(report.includes(result.structuredContent.usufrutto.testo));
  });
}

await check('a refused value', async () => {
  const result = await client.callTool({
    name: 'valuta_vitalizio',
    arguments: { valore: '250000.00', nascite: ['1950-05-03'], data: '2026-12-07' },
  });
  assert.equal(result.isError, true);
  const said = commandLine(['vitalizio', '--valore', '250000.00', '--nascita', '03/05/1950', '--data', '07/12/2026']);
  assert.equal(said.status, 1);
  // The command line's message, naming the property for the option.
  assert.equal(`velmora: --${result.content[0].text}\n`, said.stderr);
});

await check('dati_legali', async () => {
  const result = await client.callTool({ name: 'dati_legali', arguments: {} });
  assert.equal(result.isError, false);
  assert.ok(validators.dati_legali.output(result.structuredContent),
    JSON.stringify(validators.dati_legali.output.errors));
  assert.equal(result.content[0].text, commandLine(['dati']).stdout);
  const rates = result.structuredContent.saggi_legali;
  assert.equal(rates[0].dal, '1990-12-16');
  assert.ok(rates.every((r) => r.fonte === 'incorporati'));
});

await client.close();
await check('nothing of a case on standard error', async () => {
  assert.ok(!/1946|1950|1941|100000|250000/.test(stderr), stderr);
});
console.log(`${cases.length + 5 - failed} passed, ${failed} failed`);
process.exit(failed ? 1 : 0);
