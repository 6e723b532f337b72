# Sourced by the i386 ring's scripts: boots the emulated 32-bit machine.

# q32_boot IMAGE_DIR SHARE_DIR [keep]: boots the image with SHARE_DIR as the
# guest's /share, where its init runs guest.sh and leaves results in out/.
# The disk's changes are discarded unless "keep" is given. Software
# emulation (TCG): this host runs no 32-bit code, and its /dev/kvm faults the
# guest's kernel. With SMAP on, QEMU 7.2's TCG faults Wine's return to user
# mode and every Wine process is killed.
q32_boot() {
  local img=$1 share=$2 snapshot=-snapshot
  [ "${3:-}" = keep ] && snapshot=
  mkdir -p "$share/out"
  timeout "${Q32_TIMEOUT:-1800}" qemu-system-i386 -accel tcg,thread=multi -smp 2 -m 1536 \
    -cpu max,-smap -display none -monitor none -serial "file:$share/out/console.log" \
    -no-reboot $snapshot -kernel "$img/vmlinuz" -initrd "$img/initrd.img" \
    -append "root=/dev/vda rw console=ttyS0 init=/welmor-init loglevel=4 panic=1" \
    -drive "file=$img/rootfs.img,if=virtio,format=raw" \
    -virtfs "local,path=$share,mount_tag=share,security_model=none,id=share" -nic none </dev/null
}
