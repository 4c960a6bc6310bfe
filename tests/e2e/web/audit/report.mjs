// Reads a Lighthouse report (JSON) and prints its category scores, the page's timings and weight,
// and every audit that cost a point; exits 1 when performance is under 0.9 or accessibility or
// best practices under 1.
//   node report.mjs LIGHTHOUSE.json
import { readFileSync } from 'node:fs';

const report = JSON.parse(readFileSync(process.argv[2], 'utf8'));
const kAims = { performance: 0.9, accessibility: 1, 'best-practices': 1 };
const audits = report.audits;
let missed = false;
for (const [id, aim] of Object.entries(kAims)) {
  const category = report.categories[id];
  const ok = category.score >= aim;
  missed ||= !ok;
  console.log(`${ok ? 'ok  ' : 'MISS'} ${category.title}: ${category.score} (aim ${aim})`);
  for (const ref of category.auditRefs) {
    const audit = audits[ref.id];
    if (ref.weight > 0 && audit.score !== null && audit.score < 1)
      console.log(`       ${ref.id}: ${audit.score}${audit.displayValue ? ` (${audit.displayValue})` : ''}`);
  }
}
for (const id of ['first-contentful-paint', 'largest-contentful-paint', 'total-blocking-time',
                  'cumulative-layout-shift', 'speed-index', 'interactive', 'total-byte-weight'])
  console.log(`measure: ${audits[id].title}: ${audits[id].displayValue}`);
process.exit(missed ? 1 : 0);
