-- A pandoc filter: links between the project's files become links between the site's
-- pages. README.md is the front page (index.html), every other NAME.md is NAME.html, an
-- example's folder or source file is its page in the gallery, and the examples' folder
-- is the gallery. Each page lies where its Markdown file lies in the repository, so a
-- relative link keeps its form; files of the project that are no page keep their path
-- (make_site.py copies them).
-- Run from the repository's root, one Markdown file at a time.

local page_dir = pandoc.path.directory(PANDOC_STATE.input_files[1])

-- A path with "." and ".." taken out; nil for one that leaves the repository.
local function normalise(path)
  local parts = {}
  for part in path:gmatch('[^/]+') do
    if part == '..' then
      if #parts == 0 then return nil end
      table.remove(parts)
    elseif part ~= '.' then
      table.insert(parts, part)
    end
  end
  return table.concat(parts, '/')
end

-- The site's path of a file or folder of the repository.
local function site_path(path)
  if path == 'README.md' then return 'index.html' end
  if path == 'examples' then return 'gallery/index.html' end
  local example = path:match('^examples/([%w_]+)$')
  local folder, file = path:match('^examples/([%w_]+)/([%w_]+)%.cpp$')
  if folder and folder == file then example = folder end
  if example then return 'gallery/' .. example .. '.html' end
  if path:match('%.md$') then return (path:gsub('%.md$', '.html')) end
  return path
end

-- to, relative to the folder from (both from the root).
local function relative(from, to)
  local a, b = {}, {}
  for part in from:gmatch('[^/]+') do table.insert(a, part) end
  for part in to:gmatch('[^/]+') do table.insert(b, part) end
  local same = 0
  while same < #a and same < #b - 1 and a[same + 1] == b[same + 1] do same = same + 1 end
  local out = {}
  for _ = same + 1, #a do table.insert(out, '..') end
  for i = same + 1, #b do table.insert(out, b[i]) end
  return table.concat(out, '/')
end

function Link(link)
  local target = link.target
  -- Addresses elsewhere and anchors of this page stay as they are.
  if target:match('^%a[%w+.-]*:') or target:match('^#') or target:match('^/') then return nil end
  local path, anchor = target:match('^([^#]*)(.*)$')
  local inside = normalise(page_dir == '.' and path or page_dir .. '/' .. path)
  if not inside then return nil end
  inside = inside:gsub('/$', '')
  local here = page_dir == '.' and '' or page_dir
  link.target = relative(here, site_path(inside)) .. anchor
  return link
end
