-- Shared by the load scripts: one summary line that load.sh puts in its table.
function done(summary, latency, requests)
  local seconds = summary.duration / 1e6
  local e = summary.errors
  io.write(string.format("RESULT requests=%d rps=%.0f p50_ms=%.2f p99_ms=%.2f errors=%d\n",
    summary.requests, summary.requests / seconds, latency:percentile(50) / 1000,
    latency:percentile(99) / 1000, e.connect + e.read + e.write + e.timeout + e.status))
end
