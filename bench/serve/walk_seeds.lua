-- Requests a different face each time (PNG, 224 wide), so the answer cache never helps:
-- each wrk thread walks its own range of seeds.
local threads_made = 0
function setup(thread)
  thread:set("counter", threads_made * 1000000000)
  threads_made = threads_made + 1
end

request = function()
  counter = counter + 1
  return wrk.format("GET", "/face/" .. counter .. ".png")
end
