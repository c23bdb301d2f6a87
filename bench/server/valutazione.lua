-- One lifetime valuation of two lives, posted again and again.
wrk.method = "POST"
wrk.headers["Content-Type"] = "application/json"
wrk.body = '{"tipo": "vitalizio", "valore": 250000, "nascite": ["1950-02-01", "03/04/1955"],' ..
           ' "accrescimento": true, "data": "2026-12-07"}'

-- The latency percentiles wrk does not print by itself.
done = function(summary, latency, requests)
  io.write(string.format("p50_ms %.3f p99_ms %.3f requests_per_s %.0f errors %d\n",
    latency:percentile(50) / 1000, latency:percentile(99) / 1000,
    summary.requests / (summary.duration / 1e6),
    summary.errors.status + summary.errors.connect + summary.errors.read +
    summary.errors.write + summary.errors.timeout))
end
