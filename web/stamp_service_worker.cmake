# Vardeln — MIT licence, see LICENSE.
# Writes site/sw.js from its template: the list of the site's files (site_names, separated by
# commas) and a cache name made of the version and a hash of every file's content.
string(REPLACE "," ";" files "${site_names}")
list(SORT files)
set(contents "")
set(cached_files "  './',\n")
foreach(name IN LISTS files)
  file(SHA256 ${site_dir}/${name} hash)
  string(APPEND contents "${name} ${hash}\n")
  string(APPEND cached_files "  './${name}',\n")
endforeach()
string(SHA256 site_hash "${contents}")
string(SUBSTRING ${site_hash} 0 16 site_hash)
set(cache_name "vardeln-${version}-${site_hash}")
configure_file(${template} ${site_dir}/sw.js @ONLY)
