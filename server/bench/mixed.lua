-- Fetches and submissions, SUBMIT_SHARE of them submissions (0.1 unless
-- set), each a score of 72 with the proof of a whole game. Each submission comes "through the proxy" from one of ADDRESSES
-- addresses per thread (8000 unless set), so that the per-address limit is
-- not what is measured.
package.path = package.path .. ";" .. debug.getinfo(1, "S").source:match("@(.*/)") .. "?.lua"
require "report"

local threadCount = 0
function setup(thread)
  threadCount = threadCount + 1
  thread:set("tid", threadCount)
end

local share = tonumber(os.getenv("SUBMIT_SHARE") or "0.1")
local addresses = tonumber(os.getenv("ADDRESSES") or "8000")
local n = 0
local fetch = "/highscorescript/highscore.asp?game=brambletop"
-- The proof of a whole game (load.sh writes it), or "OK" without one.
local proof = "OK"
local proofPath = os.getenv("PROOF_FILE") or ""
if proofPath ~= "" then
  local proofFile = assert(io.open(proofPath, "r"))
  proof = "proof=" .. proofFile:read("*l")
  proofFile:close()
end

function request()
  n = n + 1
  if math.random() >= share then
    return wrk.format("POST", fetch, nil, "OK")
  end
  local score = 72
  local check = (score + 12) * 11
  local index = n % addresses
  local address = string.format("10.%d.%d.%d", tid, math.floor(index / 250), index % 250 + 1)
  local path = string.format("%s&init=W%dN%d&score=%d&special=%d", fetch, tid, n % 100000,
    score, check)
  return wrk.format("POST", path, { ["X-Forwarded-For"] = address }, proof)
end
