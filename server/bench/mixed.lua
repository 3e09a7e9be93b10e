-- Fetches and submissions, SUBMIT_SHARE of them submissions (0.1 unless
-- set). Each submission comes "through the proxy" from one of ADDRESSES
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

function request()
  n = n + 1
  if math.random() >= share then
    return wrk.format("POST", fetch, nil, "OK")
  end
  local score = math.random(0, 2000000000)
  local check = ((score + 12) * 11) % 4294967296
  if check >= 2147483648 then check = check - 4294967296 end
  local index = n % addresses
  local address = string.format("10.%d.%d.%d", tid, math.floor(index / 250), index % 250 + 1)
  local path = string.format("%s&init=W%dN%d&score=%d&special=%d", fetch, tid, n % 100000,
    score, check)
  return wrk.format("POST", path, { ["X-Forwarded-For"] = address }, "OK")
end
