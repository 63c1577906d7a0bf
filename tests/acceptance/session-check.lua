-- Reloads the saved session and reads each parameter set by session-build.lua back.
local dir = os.getenv("VELQA_SESSION_DIR")
local name = os.getenv("VELQA_SESSION_NAME")
local function fail(message)
  io.stderr:write("FAIL: " .. message .. "\n")
  AudioEngine:stop(false)
  os.exit(1)
end

AudioEngine:set_backend("None (Dummy)", "", "")
local session = load_session(dir, name)
if not session then fail("load_session " .. dir) end
local track = session:route_by_name("Fx")
if track:isnil() then fail("no track Fx") end
local velqa = track:nth_plugin(0)
if velqa:isnil() or velqa:name() ~= "Velqa" then fail("Velqa is not the track's first plug-in") end

local plugin = velqa:to_insert():plugin(0)
local failed = false
for setting in string.gmatch(os.getenv("VELQA_SETTINGS"), "[^,]+") do
  local label, wanted = string.match(setting, "([^=]+)=(.+)")
  for i = 0, plugin:parameter_count() - 1 do
    if plugin:parameter_is_control(i) and plugin:parameter_label(i) == label then
      local value = ARDOUR.LuaAPI.get_processor_param(velqa, i)
      io.stderr:write(label .. " = " .. tostring(value) .. "\n")
      if math.abs(value - tonumber(wanted)) > 1e-6 then failed = true end
    end
  end
end
AudioEngine:stop(false)
if failed then
  io.stderr:write("FAIL: a parameter did not survive save and reload\n")
  os.exit(1)
end
os.exit(0)
