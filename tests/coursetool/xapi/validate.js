// Validates every xAPI statement of a JSON array file; prints each problem and
// exits 1 when there is any (or when the file holds no statement at all).
'use strict';
const fs = require('fs');
const validate = require('xapi-validation').default;

const statements = JSON.parse(fs.readFileSync(process.argv[2], 'utf8'));
if (!Array.isArray(statements) || statements.length === 0) {
  console.error('no statements');
  process.exit(1);
}
let failures = 0;
statements.forEach((statement, index) => {
  const warnings = validate(statement);
  for (const w of warnings) {
    failures++;
    console.error(`statement ${index}: ${JSON.stringify(w.path)} ${w.message || w.constructor.name}`);
  }
});
console.log(`${statements.length} statements, ${failures} problems`);
process.exit(failures === 0 ? 0 : 1);
