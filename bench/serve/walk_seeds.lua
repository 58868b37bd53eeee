-- Requests a different face each time (PNG, 224 wide), so the answer cache never helps.
local counter = 0
request = function()
  counter = counter + 1
  return wrk.format("GET", "/face/" .. counter .. ".png")
end
